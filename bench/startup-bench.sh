#!/usr/bin/env bash
# Start-up of the window on a virtual display (Xvfb): milliseconds from launch to the window
# shown and to its page loaded from our own site on 127.0.0.1, beside the same window without
# the page frame and box. Prints the median of several runs.
#
#   bench/startup-bench.sh [RUNS]     (default 7)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh xvfb xauth python3
scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DQUORVELLA_TESTS=OFF >/dev/null
runs=${1:-7}
display=199
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
site/serve.sh 8791 >/dev/null 2>&1 &
server=$!
trap 'kill $xvfb $server 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=":$display" XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
export QUORVELLA_SITE=http://127.0.0.1:8791/
export QUORVELLA_NOTICE_URL=http://127.0.0.1:8791/blog/notice-board.html?timeStamp=1765432100000

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for variant in with-page without-page; do
  : >"/tmp/startup-$variant"
  for ((i = 0; i < runs; i++)); do
    build-release/quorvella-startup-probe "$variant" 2>/dev/null >>"/tmp/startup-$variant"
  done
done
echo "Window start-up on Xvfb, median of $runs runs, milliseconds since launch:"
printf '  %-34s %s\n' "shown, with the page box" "$(grep '^shown' /tmp/startup-with-page | cut -d' ' -f2 | median)"
printf '  %-34s %s\n' "page loaded (127.0.0.1)" "$(grep '^page-loaded' /tmp/startup-with-page | cut -d' ' -f2 | median)"
printf '  %-34s %s\n' "shown, without the page box" "$(grep '^shown' /tmp/startup-without-page | cut -d' ' -f2 | median)"
