#!/usr/bin/env bash
# Renders every user page and the engineering page in languages 1 (English) and 2 (Chinese) on
# the virtual mouse, without a display, into docs/screenshots/page<N>-lang<L>.png, each
# engineering settings sheet into page8-<sheet>-lang<L>.png, and the three key pages and the
# engineering Keys sheet with a key menu open into keymenu<N>-lang<L>.png.
# usage: tools/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
gmouse="$build/src/app/gmouse/gmouse"
out="$root/docs/screenshots"

if [ ! -x "$gmouse" ]; then
    echo "screenshots: $gmouse is missing; build the gmouse target first" >&2
    exit 1
fi
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
for lang in 1 2; do
    # The engineering terms follow the user's locale, not the language buttons: the Chinese
    # pictures are taken in a Chinese locale, so the engineering page is Chinese in them too.
    locale="$([ "$lang" = 2 ] && echo zh_CN.UTF-8 || echo "${LC_ALL:-C.UTF-8}")"
    export LC_ALL="$locale"
    for page in 1 2 3 4 5 6 7 8; do
        file="$out/page$page-lang$lang.png"
        "$gmouse" --simulate --screenshot "$file" --page "$page" --lang "$lang"
        echo "$file"
    done
    for tab in ts_Cpi ts_Options ts_Led ts_Usb ts_Image; do
        file="$out/page8-${tab#ts_}-lang$lang.png"
        "$gmouse" --simulate --screenshot "$file" --page 8 --lang "$lang" --tab "$tab"
        echo "$file"
    done
    # A label of each column and one at the window's edge: the menu cascades and stays inside.
    for page_key in 1:4 2:2 3:12 8:5; do
        page="${page_key%%:*}"
        file="$out/keymenu$page-lang$lang.png"
        "$gmouse" --simulate --screenshot "$file" --page "$page" --lang "$lang" \
            --key-menu "${page_key##*:}"
        echo "$file"
    done
done
