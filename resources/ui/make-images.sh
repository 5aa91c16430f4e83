#!/bin/sh
# Draws the banner (728 x 90, animated GIF) with ImageMagick. Run from this
# directory after changing the drawing. The program icon is drawn in
# ../desktop (make-icons.sh).
set -eu
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc
regular=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The still part: a blue band with the title, the subtitle and a class box.
convert -size 728x90 gradient:'#0b3d91-#1f7ae0' -rotate 0 \
  -fill '#ffffff22' -draw 'polygon 520,0 728,0 728,90 460,90' \
  -font "$font" -pointsize 28 -fill white -annotate +22+42 'Corvane C# 代码生成器 2.0' \
  -font "$regular" -pointsize 15 -fill '#dbe9ff' -annotate +24+72 '设计项目、类与成员，一键生成三层 WinForms 解决方案和建表脚本' \
  -stroke white -strokewidth 2 -fill none -draw 'roundrectangle 600,14 700,76 6,6' \
  -draw 'line 600,32 700,32' \
  -stroke none -fill white -font "$font" -pointsize 12 -annotate +622+28 'Book' \
  -font "$regular" -pointsize 11 -annotate +610+48 'bookId : 整型' -annotate +610+64 'title : 字符串' \
  "$tmp/base.png"

# A light that sweeps across the band, eight frames.
frames=""
for i in 0 1 2 3 4 5 6 7; do
  x=$((i * 104 - 60))
  convert "$tmp/base.png" \
    \( -size 728x90 xc:none -fill '#ffffff30' -draw "polygon $x,0 $((x + 40)),0 $((x + 10)),90 $((x - 30)),90" \) \
    -composite "$tmp/f$i.png"
  frames="$frames $tmp/f$i.png"
done
# shellcheck disable=SC2086
convert -delay 12 $frames -delay 300 "$tmp/base.png" -loop 0 -layers Optimize banner.gif

