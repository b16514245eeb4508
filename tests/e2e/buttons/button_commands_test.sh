#!/usr/bin/env bash
# End-to-end cases of gmousectl's button commands on the virtual mouse.
# Usage: button_commands_test.sh CASE GMOUSECTL
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
sim=(--simulate --sim-eeprom "$eeprom")

# The code of key KEY (1..12) of PROFILE (1..3) in the EEPROM file, lower-case hex.
key_code() {
    bytes_at "$eeprom" $((192 + ($1 - 1) * 49 + ($2 - 1) * 4)) 4
}
combo_code() {
    bytes_at "$eeprom" $((127 + ($1 - 1) * 4)) 4
}

case "$case_name" in
show)
    run button "${sim[@]}"
    expect_status 0
    expect_out '^profile 1$'
    expect_out '^  Key1   01010000  Left Click$'
    expect_out '^  Key3   0692003C  Fire Key1$'
    expect_out '^  Key6   02080700  Desktop$'
    expect_out '^  Combo Key2  0E000000  LED Mode$'
    [ "$(grep -c '^  Key' "$work/out")" -eq 36 ] || fail "not 36 keys"
    ;;
list)
    run button --list
    expect_status 0
    for name in 'Left Click' 'DPI Up' 'Fire Key1' 'Volume Up' 'Desktop' 'Office Mode' \
        'Button Effect Switch' 'Fire Macro Key' '  Page Down' '  Volume_Up'; do
        expect_out "^$name\$"
    done
    ;;
assign)
    run button 2 10 "Ctrl+Shift+A" "${sim[@]}"
    expect_status 0
    expect_out '^profile 2 Key10 = 02030400  Ctrl\+Shift\+A$'
    [ "$(key_code 2 10)" = "02030400" ] || fail "key 2/10: $(key_code 2 10)"
    run button 3 1 "Volume Up" "${sim[@]}"
    expect_status 0
    [ "$(key_code 3 1)" = "0300e900" ] || fail "key 3/1: $(key_code 3 1)"
    run button 3 2 0b050200 "${sim[@]}"
    expect_status 0
    expect_out '5.56 Fire'
    run button 1 12 "DPI Up" "${sim[@]}"
    expect_status 0
    [ "$(key_code 1 12)" = "09010000" ] || fail "key 1/12: $(key_code 1 12)"
    # The profile sections keep valid check bytes: a second run reads them unrepaired.
    run button "${sim[@]}"
    expect_out '^  Key10  02030400  Ctrl\+Shift\+A$'
    ;;
left-click)
    run button 1 1 "Right Click" "${sim[@]}"
    expect_status 1
    expect_err 'refused: profile 1 keeps at least one Left Click'
    [ "$(key_code 1 1)" = "01010000" ] || fail "the last Left Click was replaced"
    run button 1 4 "Left Click" "${sim[@]}"
    expect_status 0
    run button 1 1 "Right Click" "${sim[@]}"
    expect_status 0
    [ "$(key_code 1 1)" = "01020000" ] || fail "key 1/1: $(key_code 1 1)"
    ;;
fire-key)
    run fire-key 1 --repeat 4 --interval 4094 --continue off "${sim[@]}"
    expect_status 0
    expect_out '^fire key 1: repeat 4, interval 4094, continue off$'
    [ "$(bytes_at "$eeprom" 486 3)" = "030ffe" ] || fail "area: $(bytes_at "$eeprom" 484 12)"
    for p in 1 2 3; do
        [ "$(key_code $p 3)" = "06130ffe" ] || fail "profile $p key 3: $(key_code $p 3)"
    done
    run fire-key 2 --continue on "${sim[@]}"
    expect_status 0
    [ "$(bytes_at "$eeprom" 489 3)" = "04003c" ] || fail "set 2 area changed"
    run fire-key 3 --interval 5000 "${sim[@]}"
    expect_usage_error '--interval must be 1..4094'
    ;;
aim)
    run aim 600 "${sim[@]}"
    expect_status 1
    expect_err 'Please select a AIM Key in Profile1 to Profile3'
    run button 2 12 "AIM Key" "${sim[@]}"
    expect_status 0
    run aim 600 "${sim[@]}"
    expect_status 0
    expect_out '^AIM level 3 \(600 CPI\)$'
    [ "$(key_code 2 12)" = "05020000" ] || fail "AIM key: $(key_code 2 12)"
    run aim 700 "${sim[@]}"
    expect_usage_error 'CPI must be one of'
    ;;
combo)
    run combo 5 "Play/Pause" "${sim[@]}"
    expect_status 0
    [ "$(combo_code 5)" = "0300cd00" ] || fail "combo 5: $(combo_code 5)"
    run combo 3 "Game Mode" "${sim[@]}"
    expect_status 0
    expect_out '^Combo Key3 = 07810018  Game Mode$'
    # The Vendor check byte followed: the next read does not rebuild the section.
    run button "${sim[@]}"
    expect_out '^  Combo Key5  0300CD00  Play/Pause$'
    run combo 10 "Mute" "${sim[@]}"
    expect_usage_error 'SLOT must be 1..9'
    ;;
gesture)
    run gesture hold-middle on "${sim[@]}"
    expect_status 0
    [ "$(combo_code 4)" = "07d1f018" ] || fail "combo 4: $(combo_code 4)"
    [ "$(key_code 1 7)" = "01040008" ] || fail "middle: $(key_code 1 7)"
    run gesture light on "${sim[@]}"
    expect_status 0
    [ "$(combo_code 2)" = "0e000000" ] || fail "combo 2: $(combo_code 2)"
    run gesture right-back on "${sim[@]}"
    expect_status 0
    [ "$(combo_code 2)" = "07d1f018" ] || fail "combo 2 after right-back: $(combo_code 2)"
    [ "$(combo_code 4)" = "00000000" ] || fail "combo 4 after right-back: $(combo_code 4)"
    [ "$(key_code 1 7)" = "01040000" ] || fail "middle kept its mask"
    run gesture right-back off "${sim[@]}"
    expect_status 0
    [ "$(combo_code 2)" = "00000000" ] || fail "combo 2 after off: $(combo_code 2)"
    [ "$(key_code 2 2)" = "01080000" ] || fail "back kept its mask"
    run gesture wave on "${sim[@]}"
    expect_usage_error 'unknown gesture'
    ;;
refused-push)
    run button "${sim[@]}"
    expect_status 0
    # 293 reports read the image; the 294th, the first of the key tables, is refused.
    run button 2 1 "Right Click" "${sim[@]}" --sim-fault refuse-data=294
    expect_status 1
    expect_err 'refused .* writing the key tables'
    [ ! -s "$work/out" ] || fail "a refused push printed: $(cat "$work/out")"
    ;;
bad-input)
    run button 4 1 "Left Click"
    expect_usage_error 'PROFILE must be 1, 2 or 3'
    run button 1 13 "Left Click"
    expect_usage_error 'KEY must be 1..12'
    # Not a menu name: looked for among the mouse's macros, which hold none by that name.
    run button 1 2 "Jump" --simulate
    expect_usage_error "unknown function 'Jump'"
    run button 1 2
    expect_usage_error 'expected PROFILE KEY FUNCTION'
    run fire-key 4
    expect_usage_error 'N must be 1, 2 or 3'
    run fire-key 1 --repeat 16
    expect_usage_error '--repeat must be 2..15'
    run fire-key 1 --repeat 1
    expect_usage_error '--repeat must be 2..15'
    run gesture light maybe
    expect_usage_error 'expected on or off'
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
