#!/bin/sh
# Renders the program icon org.corvane.Corvane.svg to the PNG sizes the
# desktop's icon theme and the window use (needs rsvg-convert, Debian
# package librsvg2-bin). Run from this directory after changing the drawing.
set -eu
for size in 16 32 48 64 128 256; do
  mkdir -p "icons/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" org.corvane.Corvane.svg -o "icons/${size}x${size}/org.corvane.Corvane.png"
done
