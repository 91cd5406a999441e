#!/usr/bin/env bash
# Builds Quorvella and starts its window, with the sample book beside the program where the
# "打开..." dialog opens, and our own small site (site/) served on 127.0.0.1 for the notice.
# Without a display it splits the sample from the command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
cp samples/sample.txt build/sample.txt
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  scripts/install-packages.sh python3
  port=${QUORVELLA_SITE_PORT:-8765}
  site/serve.sh "$port" >/dev/null 2>&1 &
  server=$!
  trap 'kill $server 2>/dev/null || true' EXIT
  export QUORVELLA_SITE=http://127.0.0.1:$port/
  export QUORVELLA_NOTICE_URL=http://127.0.0.1:$port/blog/notice-board.html?timeStamp=1765432100000
  echo "Starting build/quorvella; pick sample.txt with \"打开...\", type a count, press \"确定\"."
  build/quorvella
  exit 0
fi
demo=${QUORVELLA_DEMO_DIR:-${TMPDIR:-/tmp}/quorvella-demo}
rm -rf "$demo"
mkdir -p "$demo"
cp samples/sample.txt "$demo/sample.txt"
echo "No display: splitting $demo/sample.txt into 5 parts from the command line."
build/quorvella-split "$demo/sample.txt" 5
ls -l "$demo"
