#!/usr/bin/env bash
# Renders every user page and the engineering page in languages 1 (English) and 2 (Chinese) on
# the virtual mouse, without a display, into docs/screenshots/page<N>-lang<L>.png, each
# engineering settings sheet into page8-<sheet>-lang<L>.png, and the three key pages and the
# engineering Keys sheet with a key menu open into keymenu<N>-lang<L>.png; the macro page shows a
# PC macro list and macros stored in the mouse (made with gmousectl), and macropopup<N>-lang<L>.png
# the popup of the PC list (1) and of the mouse's list (2) open; macroeditor<N>-lang<L>.png the
# macro editor recording (1), with the insert panel open (2) and with its events' popup open (3);
# chorddialog-lang<L>.png the key page with the chord dialog open over it; gunpreset<N>-lang<L>.png
# the gun-preset page on presets 1 and 7.
# usage: tools/screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
gmouse="$build/src/app/gmouse/gmouse"
ctl="$build/src/app/ctl/gmousectl"
out="$root/docs/screenshots"

for program in "$gmouse" "$ctl"; do
    if [ ! -x "$program" ]; then
        echo "screenshots: $program is missing; build the gmouse and gmousectl targets first" >&2
        exit 1
    fi
done
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

# The macros the macro page shows: a PC list of five, three of them stored in the mouse. Burst
# is an exchange record: its name in UTF-16BE, then Ctrl+A with delays, a click and a movement.
macros="$(mktemp -d)"
trap 'rm -rf "$macros"' EXIT
printf '\x00B\x00u\x00r\x00s\x00t' >"$macros/burst.bin"
truncate -s 16 "$macros/burst.bin"
printf '\x81\x01\x82\x04\xfe\x00\x32\x02\x04\x01\x01\xfe\x00\x64\xa1\xfe\x00\x1e\x21\x04\x05\xfd' \
    >>"$macros/burst.bin"
truncate -s 272 "$macros/burst.bin"
library=(--macro-folder "$macros")
mouse=(--simulate --sim-eeprom "$macros/eeprom.bin")
"$ctl" macro import "$macros/burst.bin" "${library[@]}" >/dev/null
for name in Reload "Build" "Jump x2" "宏一"; do
    "$ctl" macro new "$name" "${library[@]}" >/dev/null
done
for name in Burst Reload "宏一"; do
    "$ctl" macro add-to-mouse "$name" "${library[@]}" "${mouse[@]}" >/dev/null
done
for lang in 1 2; do
    # The engineering terms follow the user's locale, not the language buttons: the Chinese
    # pictures are taken in a Chinese locale, so the engineering page is Chinese in them too.
    locale="$([ "$lang" = 2 ] && echo zh_CN.UTF-8 || echo "${LC_ALL:-C.UTF-8}")"
    export LC_ALL="$locale"
    for page in 1 2 3 4 5 6 7 8; do
        file="$out/page$page-lang$lang.png"
        "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page "$page" --lang "$lang"
        echo "$file"
    done
    for list in 1 2; do
        file="$out/macropopup$list-lang$lang.png"
        "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page 6 --lang "$lang" \
            --macro-popup "$list"
        echo "$file"
    done
    for mode in 1 2 3; do
        file="$out/macroeditor$mode-lang$lang.png"
        "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page 6 --lang "$lang" \
            --macro-editor "$mode"
        echo "$file"
    done
    for tab in ts_Cpi ts_Options ts_Led ts_Usb ts_Image ts_Gun; do
        file="$out/page8-${tab#ts_}-lang$lang.png"
        "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page 8 --lang "$lang" \
            --tab "$tab"
        echo "$file"
    done
    file="$out/chorddialog-lang$lang.png"
    "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page 1 --lang "$lang" \
        --chord-dialog 3
    echo "$file"
    # The gun-preset page, opened from Game Mode's key menu, on a one-stage and a three-stage preset.
    for preset in 1 7; do
        file="$out/gunpreset$preset-lang$lang.png"
        "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page 2 --lang "$lang" \
            --gun-preset "$preset"
        echo "$file"
    done
    # A label of each column and one at the window's edge: the menu cascades and stays inside.
    for page_key in 1:4 2:2 3:12 8:5; do
        page="${page_key%%:*}"
        file="$out/keymenu$page-lang$lang.png"
        "$gmouse" "${mouse[@]}" "${library[@]}" --screenshot "$file" --page "$page" \
            --lang "$lang" --key-menu "${page_key##*:}"
        echo "$file"
    done
done
