#!/usr/bin/env bash
# Renders the window icon's SVG into the PNG sizes the program loads (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 128; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" quorvella.svg -o "hicolor/${size}x${size}/apps/quorvella.png"
done
