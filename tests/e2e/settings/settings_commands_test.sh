#!/usr/bin/env bash
# End-to-end cases of gmousectl's settings commands on the virtual mouse.
# Usage: settings_commands_test.sh CASE GMOUSECTL
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
sim=(--simulate --sim-eeprom "$eeprom")

# Runs a command that must succeed.
ok() {
    run "$@" "${sim[@]}"
    expect_status 0
}

# The Vendor and User check bytes of the mouse must stay right after every change.
check_bytes_ok() {
    "$ctl" image check "$eeprom" >"$work/check" 2>&1 || true
    grep -q '^Vendor: ok' "$work/check" || fail "Vendor check byte: $(cat "$work/check")"
    grep -q '^User: ok' "$work/check" || fail "User check byte: $(cat "$work/check")"
}

case "$case_name" in
cpi)
    ok cpi
    expect_out '^CPI levels: 6 in use, current level 2$'
    expect_out '^  level 7: 200 CPI, colour 8000FF \(not in use\)$'
    ok cpi count 1
    expect_out '^CPI levels: 1 in use'
    [ "$(bytes_at "$eeprom" 43)" = 00 ] || fail "Vendor 43 is not 0"
    ok cpi value 3 6400
    expect_out '^  level 3: 6400 CPI'
    [ "$(bytes_at "$eeprom" 45)" = 9b ] || fail "Vendor 45 is $(bytes_at "$eeprom" 45)"
    ok cpi current 4
    [ "$(bytes_at "$eeprom" 166)" = 03 ] || fail "User 2 is not 3"
    ok cpi color 2 12ab34
    expect_out '^  level 2: 1600 CPI, colour 12AB34'
    [ "$(bytes_at "$eeprom" 90 3)" = 12ab34 ] || fail "colour bytes"
    check_bytes_ok
    # Every change survives the next read.
    ok cpi
    expect_out '^CPI levels: 1 in use, current level 4$'
    expect_out '^  level 3: 6400 CPI'
    ;;
rate)
    ok rate
    expect_out '^report rate: 1000 Hz$'
    ok rate 1000
    expect_out 'already active; no restart'
    ok rate 500Hz
    expect_out '^report rate: 500 Hz$'
    expect_out 'restarted'
    [ "$(bytes_at "$eeprom" 4)" = af ] || fail "Vendor 4 is $(bytes_at "$eeprom" 4)"
    check_bytes_ok
    ;;
led)
    ok led
    expect_out '^LED type: mcu \(MCULED\)$'
    expect_out '^mode: DPI Mode$'
    ok led mode Rainbow
    expect_out '^mode: Rainbow$'
    [ "$(bytes_at "$eeprom" 165)" = 83 ] || fail "User 1 is $(bytes_at "$eeprom" 165)"
    ok led speed 10
    expect_out '^speed: step 10 \(step time 5\)$'
    ok led color 10 0a0b0c
    expect_out '10=0A0B0C'
    ok led mcu --step 8 --brightness half --lamps 4
    expect_out '^MCU LED: step 8, half brightness, 4 lamps$'
    [ "$(bytes_at "$eeprom" 1016 2)" = 0009 ] || fail "MCU header bytes $(bytes_at "$eeprom" 1016 2)"
    check_bytes_ok
    run led mode Sparkle "${sim[@]}"
    expect_status 2
    expect_err 'DPI Mode'
    ;;
led-type)
    ok led type zk --backup-dir "$work/backups"
    expect_out '^LED type: zk \(NT\)$'
    expect_out 'loaded the defaults'
    [ "$(bytes_at "$eeprom" 165)" = f5 ] || fail "User 1 is $(bytes_at "$eeprom" 165)"
    ok led lamps 2
    expect_out '^lamps: 2$'
    ;;
profile)
    ok profile
    expect_out '^profile: 1 \(Office Mode\)'
    ok profile 2 --color 3
    expect_out '^profile: 2 \(Game Mode\), colour 3$'
    [ "$(bytes_at "$eeprom" 164)" = 21 ] || fail "User 0 is $(bytes_at "$eeprom" 164)"
    [ "$(bytes_at "$eeprom" 168)" = 0f ] || fail "User 4 is $(bytes_at "$eeprom" 168)"
    ok profile 1 --color fixed
    [ "$(bytes_at "$eeprom" 164)" = f0 ] || fail "User 0 is $(bytes_at "$eeprom" 164)"
    check_bytes_ok
    ;;
usb-id)
    ok usb-id
    expect_out '^USB ids: vendor 7A3E, product 08B8$'
    ok usb-id --vid 12ab --text "Test Mouse" --maker-number 300
    expect_out '^USB ids: vendor 12AB, product 08B8$'
    expect_out '^product text: "Test Mouse"$'
    expect_out '^manufacturer number: 255,'
    [ "$(bytes_at "$eeprom" 0 2)" = 12ab ] || fail "vendor id bytes"
    [ "$(bytes_at "$eeprom" 484)" = ff ] || fail "manufacturer number byte"
    check_bytes_ok
    cp "$eeprom" "$work/before.bin"
    run usb-id --pid 12A "${sim[@]}"
    expect_usage_error 'four hexadecimal digits'
    # The text is what a USB string can hold: printable ASCII, counted in characters.
    run usb-id --text $'\e[31mRed' "${sim[@]}"
    expect_usage_error 'printable ASCII only \(space to ~\): character 1 is U\+001B, a control'
    run usb-id --text $'Two\nlines' "${sim[@]}"
    expect_usage_error 'character 4 is U\+000A'
    run usb-id --text "Café" "${sim[@]}"
    expect_usage_error 'character 4 is U\+00E9'
    run usb-id --text "ééééééééé" "${sim[@]}"
    expect_usage_error 'character 1 is U\+00E9'
    run usb-id --text 12345678901234567 "${sim[@]}"
    expect_usage_error 'at most 16 characters; this one has 17$'
    same "$eeprom" "$work/before.bin"
    ok usb-id --text 'Say "hi" \o/'
    expect_out '^product text: "Say \\x22hi\\x22 \\x5Co/"$'
    ;;
sensor)
    ok sensor
    [ "$(wc -l <"$work/out")" -eq 33 ] || fail "not 33 registers"
    expect_out '^1F  MaxShut: 48$'
    ok sensor MaxShut 1ff
    expect_out '^1F  MaxShut: FF$'
    [ "$(bytes_at "$eeprom" 31)" = ff ] || fail "MaxShut byte"
    check_bytes_ok
    run sensor NoSuchReg 10 "${sim[@]}"
    expect_usage_error 'not a sensor register'
    ;;
option)
    run option --list
    expect_status 0
    expect_out '^sensor-rotation: 270 \| 180 \| 90 \| 0$'
    ok option sensor-rotation
    expect_out '^sensor-rotation: 180$'
    ok option fire-key-count continue
    expect_out '^fire-key-count: Continue$'
    [ "$(bytes_at "$eeprom" 6)" = 7c ] || fail "Vendor 6 is $(bytes_at "$eeprom" 6)"
    check_bytes_ok
    run option fire-key-count 9 "${sim[@]}"
    expect_usage_error 'not a value of fire-key-count'
    ;;
bad-input)
    run cpi value 3 1500 "${sim[@]}"
    expect_usage_error 'not a CPI value'
    run cpi count 9 "${sim[@]}"
    expect_usage_error 'not a level'
    run cpi color 1 12345 "${sim[@]}"
    expect_usage_error 'not a colour'
    run rate 300 "${sim[@]}"
    expect_usage_error '125, 250, 500, 1000'
    run profile 4 "${sim[@]}"
    expect_usage_error 'not a profile'
    run led speed 11 "${sim[@]}"
    expect_usage_error 'speed step'
    run option nothing 1 "${sim[@]}"
    expect_usage_error 'not an option'
    # An argument echoed in a refusal is cut, keeping its start and end and saying its length.
    long="$(head -c 100000 /dev/zero | tr '\0' 9)"
    run cpi count "$long" "${sim[@]}"
    expect_usage_error "^gmousectl: '9{30}…9{30} \(100000 characters\)' is not a level \(1\.\.8\)$"
    run load "$work/$long.bin" "${sim[@]}"
    expect_usage_error "^gmousectl: $work/9+…9{26}\.bin \(1000[0-9]{2} characters\): no such file$"
    run usb-id --maker-number 65536 "${sim[@]}"
    expect_usage_error '^gmousectl: --maker-number takes a whole number 0\.\.65535; the mouse holds 0\.\.255, so above 255 is written as 255$'
    run usb-id --product-number -1 "${sim[@]}"
    expect_usage_error '^gmousectl: --product-number takes a whole number 0\.\.65535;'
    [ ! -e "$eeprom" ] || fail "a refused command touched the mouse"
    ;;
image-show)
    "$ctl" image new --chip 4210A --config 1 -o "$work/image.bin" >/dev/null
    run image show "$work/image.bin"
    expect_status 0
    expect_out '^Report rate: 1000 Hz$'
    expect_out '^LED: mcu, mode DPI Mode$'
    expect_out '^  level 1: 800 CPI, colour FF0000$'
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
