#!/usr/bin/env bash
# Takes docs/window.png: the program's window, just started with its notice read from our own
# site (site/), on a virtual X display with a small window manager for the frame.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh xvfb xauth openbox xdotool imagemagick python3
scripts/build.sh build >/dev/null
number=87
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
display=:$number
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
site/serve.sh 8766 >/dev/null 2>&1 &
server=$!
trap 'kill $xvfb $server 2>/dev/null || true' EXIT
export QUORVELLA_SITE=http://127.0.0.1:8766/
export QUORVELLA_NOTICE_URL=http://127.0.0.1:8766/blog/notice-board.html?timeStamp=1765432100000
export DISPLAY=$display XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
sleep 1
openbox >/dev/null 2>&1 &
build/quorvella >/dev/null 2>&1 &
program=$!
window=
for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --name "^Quorvella V3.3$" 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "The window did not appear." >&2
  exit 1
fi
sleep 2  # the notice and the page arrive
# The window's native window is made anew once the page view joins it: look it up again.
window=$(xdotool search --onlyvisible --name "^Quorvella V3.3$" | head -1)
mkdir -p docs
import -frame -window "$window" docs/window.png
kill $program
echo "Wrote docs/window.png"
