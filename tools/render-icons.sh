#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon to the PNG sizes that are installed beside the SVG
# (rsvg-convert, Debian's librsvg2-bin). Run after changing the SVG; the PNGs are committed.
set -e
cd "$(dirname "$0")/../packaging"
for size in 48 256; do
  rsvg-convert -w $size -h $size org.orvella.Clavora.svg -o org.orvella.Clavora-$size.png
done
