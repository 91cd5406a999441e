#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the plain build (engine,
# command line, HTTP and window), the engine under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the formatting check. The window tests run on a virtual
# display (Xvfb, with a small window manager) that this script starts and stops.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh clang-format xvfb xauth openbox
scripts/build.sh build

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
ctest --test-dir build --output-on-failure -j"$(nproc)"

scripts/build.sh build-sanitize -DQUORVELLA_SANITIZE=ON -DQUORVELLA_DESKTOP=OFF \
  -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror
echo "All tests passed."
