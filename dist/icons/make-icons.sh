#!/bin/sh
# SPDX-License-Identifier: MIT
# Renders the application icon's PNG sizes from its SVG source (needs rsvg-convert).
set -e
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" orvane-calculator.svg -o "orvane-calculator-$size.png"
done
