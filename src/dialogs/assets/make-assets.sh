#!/usr/bin/env bash
# Makes the About dialog's two images, which are kept in the repository next to this script:
#   logo.jpg  the product's logo, 177 x 81 pixels, colour JPEG (ImageMagick)
#   hand.cur  the link's pointing-hand cursor, 32 x 32, 16 colours (written byte by byte
#             here: ImageMagick writes cursors as 32-bit icons without a hotspot)
# Needs ImageMagick (Debian: imagemagick) and the DejaVu fonts (fonts-dejavu-core); no network.
# Rerun after changing this script and commit both files with it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export LC_ALL=C

# --- logo.jpg ----------------------------------------------------------------------------
# A blue emblem holding three menu bars, and the word mark "Quelby" with an orange rule.
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$font" ] || { echo "make-assets: $font is missing (fonts-dejavu-core)" >&2; exit 1; }
convert -size 177x81 gradient:'#FFFFFF-#D6E4F5' \
  -fill '#1F4E9C' -draw 'roundrectangle 8,13 62,67 9,9' \
  -fill '#FFFFFF' -draw 'rectangle 19,25 51,30' -draw 'rectangle 19,37 51,42' -draw 'rectangle 19,49 41,54' \
  -fill '#F28C28' -draw 'rectangle 44,49 51,54' \
  -font "$font" -pointsize 25 -fill '#1F4E9C' -annotate +70+47 'Quelby' \
  -fill '#F28C28' -draw 'rectangle 71,55 168,58' \
  -strip -sampling-factor 1x1 -quality 92 "jpeg:$here/logo.jpg"

# --- hand.cur ----------------------------------------------------------------------------
# Art, top row first: '.' transparent, 'X' black outline, 'o' white, '+' silver shading.
# The hotspot is the tip of the index finger.
hot_x=6 hot_y=0
art=(
"......XX........................"
".....XooX......................."
".....XooX......................."
".....XooX......................."
".....XooX......................."
".....XooXXX....................."
".....XooXooXXX.................."
".....XooXooXooXX................"
".XX..XooXooXooXoX..............."
"XooX.XooXooXooXooX.............."
"XoooXXooooooooooo+X............."
".XoooXoooooooooooo+X............"
"..XooXoooooooooooo+X............"
"..Xoooooooooooooo++X............"
"...Xooooooooooooo+X............."
"...Xoooooooooooo++X............."
"....Xooooooooooo+X.............."
"....Xooooooooooo+X.............."
".....Xoooooooooo+X.............."
".....XXXXXXXXXXXXX.............."
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
"................................"
)
[ ${#art[@]} -eq 32 ] || { echo "make-assets: the cursor art needs 32 rows" >&2; exit 1; }

# Bytes as printf escapes; bash's printf writes NUL bytes too.
u8() { printf '\\x%02x' $(($1 & 0xff)); }
u16() { u8 "$1"; u8 $(($1 >> 8)); }
u32() { u16 $(($1 & 0xffff)); u16 $(($1 >> 16)); }

# The standard 16-colour palette, as RGB; each entry is written blue, green, red, 0.
palette=(000000 800000 008000 808000 000080 800080 008080 c0c0c0
         808080 ff0000 00ff00 ffff00 0000ff ff00ff 00ffff ffffff)
index_of() {
  case "$1" in
    X|.) echo 0 ;;   # transparent pixels are black under a set mask bit
    +) echo 7 ;;
    o) echo 15 ;;
  esac
}

image_size=$((40 + 16 * 4 + 32 * 16 + 32 * 4))
{
  # Cursor directory with one 32 x 32 entry of 16 colours and its hotspot.
  u16 0; u16 2; u16 1
  u8 32; u8 32; u8 16; u8 0; u16 $hot_x; u16 $hot_y; u32 $image_size; u32 22
  # BITMAPINFOHEADER: the height counts the colour bitmap and the mask.
  u32 40; u32 32; u32 64; u16 1; u16 4; u32 0; u32 $((32 * 16 + 32 * 4)); u32 0; u32 0; u32 16; u32 0
  for rgb in "${palette[@]}"; do
    u8 $((16#${rgb:4:2})); u8 $((16#${rgb:2:2})); u8 $((16#${rgb:0:2})); u8 0
  done
  # Colour bits, two pixels a byte, bottom row first.
  for ((row = 31; row >= 0; row--)); do
    line=${art[row]}
    for ((col = 0; col < 32; col += 2)); do
      u8 $(( ($(index_of "${line:col:1}") << 4) | $(index_of "${line:col+1:1}") ))
    done
  done
  # Mask bits, eight pixels a byte, bottom row first: 1 where the screen shows through.
  for ((row = 31; row >= 0; row--)); do
    line=${art[row]}
    for ((col = 0; col < 32; col += 8)); do
      byte=0
      for ((bit = 0; bit < 8; bit++)); do
        [ "${line:col+bit:1}" = "." ] && byte=$((byte | (0x80 >> bit)))
      done
      u8 $byte
    done
  done
} | { read -r -d '' escapes || true; printf "$escapes"; } >"$here/hand.cur"

size=$(wc -c <"$here/hand.cur")
[ "$size" -eq $((22 + image_size)) ] || { echo "make-assets: hand.cur has $size bytes" >&2; exit 1; }
echo "make-assets: wrote $here/logo.jpg and $here/hand.cur"
