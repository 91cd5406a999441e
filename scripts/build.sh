#!/usr/bin/env bash
# Installs what the build needs and builds into build/ (or the folder given, with extra
# CMake arguments after it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-packages.sh cmake make g++ libgtest-dev libcurl4-openssl-dev qt6-base-dev libgl-dev \
  qt6-webengine-dev \
  fonts-noto-cjk
dir=${1:-build}
shift || true
cmake -S . -B "$dir" "$@"
cmake --build "$dir" -j"$(nproc)"
