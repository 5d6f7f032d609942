#!/usr/bin/env bash
# Makes the product icon shown in Add/Remove Programs, installer/Zorvane.ico (48, 32 and
# 16 pixels), from the emblem of the About dialog's logo. Kept in the repository; rerun after
# changing the logo and commit the icon with it. Needs ImageMagick.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
convert "$here/../src/dialogs/assets/logo.jpg" -crop 56x56+7+12 +repage \
  \( -clone 0 -resize 48x48 \) \( -clone 0 -resize 32x32 \) \( -clone 0 -resize 16x16 \) -delete 0 \
  -strip "$here/Zorvane.ico"
