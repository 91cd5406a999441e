#!/usr/bin/env bash
# Installs what the tests need, then builds and runs every test: the plain build (engine,
# command line and window), the engine under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the formatting check. The window tests draw offscreen and need no display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh clang-format
scripts/build.sh build
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/build.sh build-sanitize -DQUORVELLA_SANITIZE=ON -DQUORVELLA_DESKTOP=OFF \
  -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
find src tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run -Werror
echo "All tests passed."
