#!/usr/bin/env bash
# End-to-end cases of gmousectl's fire commands on the virtual mouse.
# Usage: fire_commands_test.sh CASE GMOUSECTL
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
sim=(--simulate --sim-eeprom "$eeprom")
tail=1808

# Writes HEX (digits) into the EEPROM file at OFFSET.
poke() {
    python3 - "$eeprom" "$1" "$2" <<'PY'
import sys
path, offset, data = sys.argv[1], int(sys.argv[2]), bytes.fromhex(sys.argv[3])
image = bytearray(open(path, "rb").read())
image[offset:offset + len(data)] = data
open(path, "wb").write(image)
PY
}

# A first run makes the EEPROM file.
run info "${sim[@]}"
expect_status 0

case "$case_name" in
records)
    poke $tail "fd05a104fe03fe0032 21fc00 000000"
    poke $((tail + 24)) "000000"
    run fire list "${sim[@]}"
    expect_status 0
    expect_out '^fire macro 1  Fire Macro1  12 of 24 bytes$'
    expect_out '^  repeat 5$'
    expect_out '^  move -2 3$'
    expect_out '^fire macro 2  Fire Macro2  1 of 24 bytes$'
    run fire show 1 "${sim[@]}"
    expect_status 0
    [ "$(cat "$work/out")" = "$(printf 'repeat 5\nleft down\nmove -2 3\n50 ms\nleft up\nrepeat end')" ] ||
        fail "fire show 1: $(cat "$work/out")"
    run fire show 2 "${sim[@]}"
    expect_status 0
    [ ! -s "$work/out" ] || fail "an empty record printed events"
    ;;
preset)
    # Preset 6 plays records 6 and 7 (Gun6_Num 2); its first stage is record 6.
    poke $((tail + 5 * 24)) "fd03a1040005fe006421fc00"
    run fire preset 6 --x-offset 20 --assign 2 4 "${sim[@]}"
    expect_status 0
    [ "$(bytes_at "$eeprom" $((164 + 7 + 5)))" = "14" ] || fail "X offset 6 not written"
    run fire preset "${sim[@]}"
    expect_status 0
    expect_out '^preset 6  5.56 Fire  2 records  code 0B050200$'
    expect_out '^  stage 1  fire macro 6  count 3  x 0  y 5  delay 100 ms  x-offset 20  y-offset 0'
    run fire preset 6 --count 9 --x 120 --delay 300 --color 00ff80 --keep-left on --assign 2 4 "${sim[@]}"
    expect_status 0
    expect_err 'became 107'
    expect_out '^profile 2 Key4: preset 6 \(0B150200\)$'
    expect_out 'count 9  x 107  y 5  delay 300 ms  x-offset 20  y-offset 0  color 00FF80$'
    [ "$(bytes_at "$eeprom" $((241 + 3 * 4)) 4)" = "0b150200" ] || fail "key code not stored"
    [ "$(bytes_at "$eeprom" $((tail + 5 * 24)) 9)" = "fd09a1046b05fe012c" ] ||
        fail "record 6: $(bytes_at "$eeprom" $((tail + 5 * 24)) 9)"
    [ "$(bytes_at "$eeprom" $((57 + 5 * 3)) 3)" = "00ff80" ] || fail "colour 6 not written"
    # Profile 1 keeps the key's function.
    before="$(bytes_at "$eeprom" $((192 + 2 * 4)) 4)"
    run fire preset 1 --assign 1 3 "${sim[@]}"
    expect_status 0
    expect_out 'keeps its function'
    [ "$(bytes_at "$eeprom" $((192 + 2 * 4)) 4)" = "$before" ] || fail "profile 1 key changed"
    ;;
refusals)
    run fire show 11 "${sim[@]}"
    expect_usage_error 'N, the fire macro 1..10'
    run fire preset 8 --assign 2 1 "${sim[@]}"
    expect_usage_error 'N must be 1..7'
    run fire preset 3 --stage 2 --assign 2 1 "${sim[@]}"
    expect_usage_error 'preset 3 has stages 1..1'
    run fire preset 3 --x 200 --assign 2 1 "${sim[@]}"
    expect_usage_error '--x takes -128..127'
    run fire preset 3 --color red --assign 2 1 "${sim[@]}"
    expect_usage_error 'RRGGBB'
    run fire preset 3 --count 4 "${sim[@]}"
    expect_usage_error '--assign PROFILE KEY'
    ;;
refused-write)
    before="$(bytes_at "$eeprom" $((241 + 3 * 4)) 4)"
    # After the image's 293 reports the colours are live writes: the next data reports are the
    # User section's.
    run fire preset 2 --assign 2 4 --sim-fault refuse-data=294 "${sim[@]}"
    expect_status 1
    expect_err 'writing the User section'
    expect_err 'writing the LED colours'
    [ "$(bytes_at "$eeprom" $((241 + 3 * 4)) 4)" = "$before" ] || fail "the key changed"
    ;;
edit)
    # Fire macro 3 written from readable lines; what show prints reads back the same.
    printf 'repeat 5\nleft click\nmove 0 3\n40 ms\nrepeat end\n' >"$work/burst.txt"
    run fire edit 3 "$work/burst.txt" "${sim[@]}"
    expect_status 0
    expect_out '^fire macro 3  Fire Macro3  12 of 24 bytes$'
    [ "$(bytes_at "$eeprom" $((tail + 48)) 12)" = "fd05a121040003fe0028fc00" ] ||
        fail "record 3 holds $(bytes_at "$eeprom" $((tail + 48)) 12)"
    run fire show 3 "${sim[@]}"
    cp "$work/out" "$work/shown.txt"
    run fire edit 3 - "${sim[@]}" <"$work/shown.txt"
    expect_status 0
    expect_out '12 of 24 bytes$'

    # Not fire items, too long for the record, a bad line: refused, record 3 and 4 unchanged.
    before="$(bytes_at "$eeprom" $((tail + 48)) 48)"
    printf 'A down\n' >"$work/key.txt"
    run fire edit 3 "$work/key.txt" "${sim[@]}"
    expect_status 2
    expect_err 'nothing was changed'
    for i in $(seq 1 9); do printf 'move 1 1\n'; done >"$work/long.txt"
    run fire edit 3 "$work/long.txt" "${sim[@]}"
    expect_status 2
    printf 'left down\nleft sideways\n' >"$work/bad.txt"
    run fire edit 3 "$work/bad.txt" "${sim[@]}"
    expect_status 2
    expect_err 'line 2'
    [ "$(bytes_at "$eeprom" $((tail + 48)) 48)" = "$before" ] || fail "a refused edit changed the tail"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
