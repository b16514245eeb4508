#!/usr/bin/env bash
# End-to-end cases of gmousectl's macro commands on the virtual mouse.
# Usage: macro_commands_test.sh CASE GMOUSECTL
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
lib="$work/lib"
mkdir -p "$lib"
file="$lib/RDXM4210A-Macro.bin"
sim=(--simulate --sim-eeprom "$eeprom" --macro-folder "$lib")
mouse=(--simulate --sim-eeprom "$eeprom")
pc=(--macro-folder "$lib")

# COUNT bytes of the Macro area (image 496) at OFFSET in the EEPROM file.
area_at() {
    bytes_at "$eeprom" $((496 + $1)) "${2:-1}"
}
key_code() {
    bytes_at "$eeprom" $((192 + ($1 - 1) * 49 + ($2 - 1) * 4)) 4
}
# A 272-byte exchange record: NAME (ASCII), then the body given as hex digits.
record() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
name = sys.argv[1].encode("utf-16-be")[:16].ljust(16, b"\0")
body = bytes.fromhex(sys.argv[2]).ljust(256, b"\0")
open(sys.argv[3], "wb").write(name + body)
PY
}

case "$case_name" in
library)
    run macro new Reload "${pc[@]}"
    expect_status 0
    expect_out '^new macro Reload$'
    run macro new "宏一" "${pc[@]}"
    expect_status 0
    run macro rename Reload Jump "${pc[@]}"
    expect_status 0
    run macro list "${pc[@]}" --simulate
    expect_status 0
    expect_out '^  1  Jump  1 bytes$'
    expect_out '^  2  宏一  1 bytes$'
    expect_out '^Storage in mouse \(0 of 512 bytes\)$'
    run macro delete Jump "${pc[@]}"
    expect_status 0
    run macro list "${pc[@]}" --simulate
    expect_out '^  1  宏一  1 bytes$'
    [ "$(grep -c '^  [0-9]' "$work/out")" -eq 1 ] || fail "not one macro: $(cat "$work/out")"
    run macro show "宏一" "${pc[@]}"
    expect_status 0
    [ ! -s "$work/out" ] || fail "an empty macro printed events"
    ;;
device)
    record Burst "822cfe003202 2ca121 fe0100 04ff80 fd03 fc 00" "$work/burst.bin"
    run macro import "$work/burst.bin" "${pc[@]}"
    expect_status 0
    run macro show Burst "${pc[@]}"
    expect_status 0
    expect_out '^Space bar down$'
    expect_out '^50 ms$'
    expect_out '^left down$'
    expect_out '^move -1 -128$'
    expect_out '^repeat 3$'
    run macro new Empty "${pc[@]}"
    run macro add-to-mouse Empty "${sim[@]}"
    expect_status 0
    expect_out 'slot 1, 0x0200'
    run macro add-to-mouse Burst "${sim[@]}"
    expect_status 0
    expect_out 'slot 2, 0x0211'
    [ "$(area_at 16)" = "00" ] || fail "the empty body is not one terminator"
    [ "$(area_at 17 2)" = "0042" ] || fail "the second name does not follow the 17-byte entry"
    run macro list "${sim[@]}"
    expect_out '^  slot 2  Burst  19 bytes  0x0211$'
    expect_out '^Storage in mouse \(52 of 512 bytes\)$'
    # The device macro shows from the mouse once the PC macro is gone.
    run macro delete Burst "${pc[@]}"
    run macro show Burst "${sim[@]}"
    expect_status 0
    expect_out '^repeat 3$'
    run macro delete-from-mouse Empty "${sim[@]}"
    expect_status 0
    [ "$(area_at 0 2)" = "0042" ] || fail "Burst did not move to the start: $(area_at 0 2)"
    run macro list "${sim[@]}"
    expect_out '^  slot 1  Burst  19 bytes  0x0200$'
    ;;
buttons)
    for name in One Two Three; do
        run macro new $name "${pc[@]}"
        run macro add-to-mouse $name "${sim[@]}"
        expect_status 0
    done
    run button 1 5 Two "${mouse[@]}"
    expect_status 0
    expect_out '^profile 1 Key5 = 10021100  Two$'
    run button 3 7 Three "${mouse[@]}"
    run button 2 2 One "${mouse[@]}"
    run button "${mouse[@]}"
    expect_out '^  Key7   10022200  Three$'
    run macro delete-from-mouse One "${sim[@]}"
    expect_status 0
    [ "$(key_code 1 5)" = "10020000" ] || fail "Two's button did not follow: $(key_code 1 5)"
    [ "$(key_code 3 7)" = "10021100" ] || fail "Three's button did not follow: $(key_code 3 7)"
    [ "$(key_code 2 2)" = "00000000" ] || fail "One's button was not cleared: $(key_code 2 2)"
    run button "${mouse[@]}"
    expect_out '^  Key5   10020000  Two$'
    run button 1 4 Nope "${mouse[@]}"
    expect_usage_error "unknown function 'Nope'"
    ;;
exchange)
    run macro new Alpha "${pc[@]}"
    run macro new Beta "${pc[@]}"
    run macro export Alpha "$work/alpha.bin" "${pc[@]}"
    expect_status 0
    [ "$(stat -c %s "$work/alpha.bin")" -eq 272 ] || fail "one macro is not 272 bytes"
    run macro import "$work/alpha.bin" "${pc[@]}"
    expect_status 1
    expect_err 'This macro already exists'
    run macro export-all "$work/all.bin" "${pc[@]}"
    expect_status 0
    same "$work/all.bin" "$file"
    run macro delete Alpha "${pc[@]}"
    run macro import "$work/alpha.bin" "${pc[@]}"
    expect_status 0
    expect_out '^imported macro Alpha from '
    # A short file gives what it holds and says so.
    head -c 20 "$work/alpha.bin" >"$work/short.bin"
    run macro delete Alpha "${pc[@]}"
    run macro import "$work/short.bin" "${pc[@]}"
    expect_status 0
    expect_err 'holds only 20 of 272 bytes'
    run macro import-all "$work/all.bin" "${pc[@]}"
    expect_status 0
    same "$work/all.bin" "$file"
    head -c 300 "$work/all.bin" >"$work/all-short.bin"
    run macro import-all "$work/all-short.bin" "${pc[@]}"
    expect_status 0
    expect_err 'holds only 300 of 27200 bytes'
    run macro list "${sim[@]}"
    expect_out '^  1  Alpha  1 bytes$'
    run macro add-to-mouse Alpha "${sim[@]}"
    run macro export-device "$work/device.bin" "${sim[@]}"
    expect_status 0
    [ "$(stat -c %s "$work/device.bin")" -eq 512 ] || fail "the device export is not 512 bytes"
    cmp -s "$work/device.bin" <(tail -c +497 "$eeprom" | head -c 512) ||
        fail "the device export differs from the mouse's macro area"
    run macro import "$work/missing.bin" "${pc[@]}"
    expect_usage_error 'no such file'
    ;;
refusals)
    run macro new Twice "${pc[@]}"
    run macro new Twice "${pc[@]}"
    expect_status 1
    expect_err 'This macro already exists'
    run macro rename Twice Twice "${pc[@]}"
    expect_status 1
    expect_err 'This macro already exists'
    run macro rename Nope Other "${pc[@]}"
    expect_usage_error 'There is no macro named "Nope"'
    run macro show Nope "${sim[@]}"
    expect_usage_error 'There is no macro named "Nope"'
    run macro new NineChars "${pc[@]}"
    expect_usage_error 'cannot be a macro name'
    run macro add-to-mouse Twice "${sim[@]}"
    run macro add-to-mouse Twice "${sim[@]}"
    expect_status 1
    expect_err 'This macro already exists'
    # A body of 256 bytes: two fill 544 bytes, more than the mouse's 512.
    record Big "$(printf 'a1%.0s' $(seq 255))00" "$work/big.bin"
    run macro import "$work/big.bin" "${pc[@]}"
    run macro add-to-mouse Big "${sim[@]}"
    expect_status 0
    run macro rename Big Big2 "${pc[@]}"
    before="$(bytes_at "$eeprom" 496 512)"
    run macro add-to-mouse Big2 "${sim[@]}"
    expect_status 1
    expect_err 'Macro bin length out of range'
    [ "$(bytes_at "$eeprom" 496 512)" = "$before" ] || fail "a refused add changed the mouse"
    # Fifteen macros fill the mouse; the sixteenth does nothing to it.
    for i in $(seq 3 15); do
        run macro new "M$i" "${pc[@]}"
        run macro add-to-mouse "M$i" "${sim[@]}"
        expect_status 0
    done
    run macro new M16 "${pc[@]}"
    before="$(bytes_at "$eeprom" 496 512)"
    run macro add-to-mouse M16 "${sim[@]}"
    expect_status 1
    expect_err 'already holds 15 macros'
    [ "$(bytes_at "$eeprom" 496 512)" = "$before" ] || fail "the sixteenth changed the mouse"
    ;;
file)
    run macro list "${pc[@]}" --simulate
    expect_status 0
    [ "$(stat -c %s "$file")" -eq 27200 ] || fail "the new macro file is not 27200 bytes"
    [ -z "$(tr -d '\0' <"$file")" ] || fail "the new macro file holds macros"
    head -c 500 "$file" >"$work/short"
    cp "$work/short" "$file"
    run macro new Kept "${pc[@]}"
    expect_status 0
    expect_err 'holds 500 bytes, not 27200'
    same "$file.bak" "$work/short"
    [ "$(stat -c %s "$file")" -eq 27200 ] || fail "the macro file was not written whole"
    run macro new Again "${pc[@]}"
    expect_status 0
    [ ! -s "$work/err" ] || fail "the wrong size was said twice: $(cat "$work/err")"
    ;;
concurrent-new)
    # Two programs adding macros at the same time, 20 times: none is lost.
    for i in $(seq 1 20); do
        "$ctl" macro new "A$i" "${pc[@]}" >/dev/null 2>"$work/a.err" &
        first=$!
        "$ctl" macro new "B$i" "${pc[@]}" >/dev/null 2>"$work/b.err" &
        second=$!
        wait "$first" || fail "macro new A$i failed: $(cat "$work/a.err")"
        wait "$second" || fail "macro new B$i failed: $(cat "$work/b.err")"
    done
    run macro list "${pc[@]}" --simulate
    for i in $(seq 1 20); do
        expect_out "  A$i  1 bytes\$"
        expect_out "  B$i  1 bytes\$"
    done
    [ "$(grep -c '^  [0-9]' "$work/out")" -eq 40 ] || fail "not 40 macros: $(cat "$work/out")"
    ;;
edit)
    # A macro written in a text editor: stored, printed back, and stored again byte for byte.
    run macro new Reload "${pc[@]}"
    cat >"$work/reload.txt" <<'LINES'
# reload, then fire three times while the key is held
Ctrl down
R click
Ctrl up
120 ms
until released
repeat 3
left click
50 ms
repeat end
move 5 -3
repeat end
LINES
    run macro edit Reload "$work/reload.txt" "${pc[@]}"
    expect_status 0
    expect_out '^stored 26 bytes in macro Reload$'
    run macro show Reload "${pc[@]}"
    expect_status 0
    cp "$work/out" "$work/shown.txt"
    expect_out '^R down$'
    expect_out '^repeat until released$'
    record_bytes() { python3 -c "import sys; d=open(sys.argv[1],'rb').read(); print(d[16:16+256].hex())" "$1"; }
    run macro export Reload "$work/first.bin" "${pc[@]}"
    run macro edit Reload - "${pc[@]}" <"$work/shown.txt"
    expect_status 0
    run macro export Reload "$work/second.bin" "${pc[@]}"
    same "$work/first.bin" "$work/second.bin"
    [ "$(record_bytes "$work/first.bin" | cut -c1-54)" = \
        "8101821502150101fe0078fdfffd03a121fe0032fc0405fdfc0000" ] ||
        fail "stored $(record_bytes "$work/first.bin")"

    # A line it cannot read, a body over 256 bytes, a macro that is not there: nothing changes.
    printf 'A down\nA sideways\n' >"$work/bad.txt"
    run macro edit Reload "$work/bad.txt" "${pc[@]}"
    expect_status 2
    expect_err 'line 2: cannot read "A sideways"'
    for i in $(seq 1 90); do printf 'left click\n300 ms\n'; done >"$work/long.txt"
    run macro edit Reload "$work/long.txt" "${pc[@]}"
    expect_status 2
    expect_err 'more than the 256 bytes'
    run macro edit Nobody "$work/reload.txt" "${pc[@]}"
    expect_status 2
    run macro export Reload "$work/third.bin" "${pc[@]}"
    same "$work/first.bin" "$work/third.bin"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
