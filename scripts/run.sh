#!/usr/bin/env bash
# Builds quorvella-split and cuts the bundled sample book into 5 parts in a scratch folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh build
demo=${QUORVELLA_DEMO_DIR:-${TMPDIR:-/tmp}/quorvella-demo}
rm -rf "$demo"
mkdir -p "$demo"
cp samples/sample.txt "$demo/sample.txt"
echo "Splitting $demo/sample.txt into 5 parts:"
build/quorvella-split "$demo/sample.txt" 5
ls -l "$demo"
