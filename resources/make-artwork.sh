#!/usr/bin/env bash
# Draws the program's simple artwork with ImageMagick; the PNGs are committed, run this only
# to change them (needs imagemagick, which the tests do not).
set -euo pipefail
cd "$(dirname "$0")"
sheet=(-fill '#3c9a3c' -stroke '#1f5f1f' -strokewidth 1 -draw 'rectangle 4,3 22,28'
       -fill none -stroke '#d8f0d8' -draw 'line 8,9 18,9' -draw 'line 8,14 18,14' -draw 'line 8,19 15,19')
badge=(-fill '#e8b400' -stroke '#8a6a00' -draw 'circle 24,24 24,31'
       -stroke white -strokewidth 2 -draw 'line 20,24 28,24' -draw 'line 24,20 24,28')
convert -size 32x32 xc:none "${sheet[@]}" -stroke '#5a3a1a' -strokewidth 3 -draw 'line 12,22 26,6' \
    -stroke '#f0c080' -strokewidth 2 -draw 'line 11,23 13,21' "${badge[@]}" yeni.png
convert -size 32x32 xc:none "${sheet[@]}" -fill none -stroke '#c01010' -strokewidth 3 \
    -draw 'circle 14,15 14,23' -draw 'line 9,10 19,20' "${badge[@]}" sil.png
convert -size 32x32 xc:none "${sheet[@]}" -fill none -stroke '#1040c0' -strokewidth 3 \
    -draw 'path "M 8,24 L 8,13 L 19,13"' -fill '#1040c0' -strokewidth 1 \
    -draw 'polygon 18,8 24,13 18,18' "${badge[@]}" bul.png
convert -size 32x32 xc:none -stroke '#505860' -strokewidth 5 -draw 'line 9,24 21,12' \
    -fill none -strokewidth 4 -draw 'arc 17,4 29,16 120,420' ayarlar.png
convert -size 16x16 xc:none -fill '#3060b0' -stroke none -draw 'circle 8,5 8,2' \
    -draw 'roundrectangle 3,9 13,15 3,3' tab-genel.png
convert -size 16x16 xc:none -fill '#f4f0e0' -stroke '#806040' -draw 'rectangle 2,1 13,14' \
    -stroke '#806040' -draw 'line 4,5 11,5' -draw 'line 4,8 11,8' -draw 'line 4,11 9,11' tab-islem.png
convert -size 16x16 xc:none -fill '#ffe060' -stroke '#b09020' -draw 'rectangle 2,2 13,13' \
    -fill '#d02020' -stroke none -draw 'circle 8,3 8,1' tab-notlar.png
convert -size 16x16 xc:none -fill '#e0b020' -stroke '#806000' -draw 'circle 8,8 8,1' \
    -stroke '#806000' -draw 'line 8,4 8,12' tab-ucret.png
convert -size 113x129 xc:'#e8eef4' -fill '#b8c4d0' -stroke none -draw 'circle 56,48 56,24' \
    -draw 'ellipse 56,118 40,34 180,360' -fill none -stroke '#98a4b0' -draw 'rectangle 0,0 112,128' \
    resim-yok.png
convert -size 32x32 xc:none -fill '#fff6a0' -stroke '#b0a040' -draw 'rectangle 4,6 27,28' \
    -stroke '#807030' -draw 'line 8,13 23,13' -draw 'line 8,18 23,18' -draw 'line 8,23 18,23' \
    -fill '#d02020' -stroke '#801010' -draw 'circle 16,6 16,3' not.png
