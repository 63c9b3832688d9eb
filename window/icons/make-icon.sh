#!/bin/sh
# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's 32 x 32 icon: points on a white sheet inside their dash-dot bounding box.
# Needs ImageMagick; the PNG it writes, and the Windows icon made from it (32, 16 and 48
# pixels), are committed beside this script.
set -e
cd "$(dirname "$0")"
convert -size 32x32 xc:'rgb(128,128,255)' +antialias \
    -fill white -stroke 'rgb(64,64,160)' -draw 'rectangle 1,1 30,30' \
    -stroke black -fill none -strokewidth 1 -draw 'stroke-dasharray 4 2 1 2 rectangle 6,7 25,24' \
    -stroke none -fill black \
    -draw 'circle 6,12 7,13' -draw 'circle 12,7 13,8' -draw 'circle 25,16 26,17' \
    -draw 'circle 17,24 18,25' -fill 'rgb(128,128,0)' -draw 'circle 15,15 16,16' \
    -strip covering-rectangle.png
convert covering-rectangle.png \( -clone 0 -resize 16x16 \) \( -clone 0 -filter point -resize 48x48 \) \
    covering-rectangle.ico
