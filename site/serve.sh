#!/usr/bin/env bash
# Serves this folder (our own small site: the root page, zq/jqq.htm and the notice page) on
# 127.0.0.1, port $1 (default 8765), until stopped.
set -euo pipefail
cd "$(dirname "$0")"
exec python3 -m http.server --bind 127.0.0.1 "${1:-8765}"
