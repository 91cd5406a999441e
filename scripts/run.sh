#!/usr/bin/env bash
# Builds Quorvella and starts its window, with the sample book beside the program where the
# "打开..." dialog opens. Without a display it splits the sample from the command line instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
cp samples/sample.txt build/sample.txt
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Starting build/quorvella; pick sample.txt with \"打开...\", type a count, press \"确定\"."
  exec build/quorvella
fi
demo=${QUORVELLA_DEMO_DIR:-${TMPDIR:-/tmp}/quorvella-demo}
rm -rf "$demo"
mkdir -p "$demo"
cp samples/sample.txt "$demo/sample.txt"
echo "No display: splitting $demo/sample.txt into 5 parts from the command line."
build/quorvella-split "$demo/sample.txt" 5
ls -l "$demo"
