#!/usr/bin/env bash
# Renders the program's icon (packaging/velmor.svg) into the PNG sizes that are
# committed beside it: the hicolor theme's 48 and 256 px icons, which the
# program also carries as its window icon. Run it after changing the SVG; it
# needs rsvg-convert (Debian package librsvg2-bin), which the build does not.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v rsvg-convert > /dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" packaging/velmor.svg -o "packaging/icons/velmor-$size.png"
done
