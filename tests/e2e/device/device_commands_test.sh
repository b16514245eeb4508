#!/usr/bin/env bash
# End-to-end cases of gmousectl's device commands on the virtual mouse.
# Usage: device_commands_test.sh CASE GMOUSECTL
set -euo pipefail

case_name="$1"
ctl="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
eeprom="$work/eeprom.bin"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs gmousectl; keeps stdout, stderr and the exit status in $work/out, $work/err, $status.
run() {
    set +e
    "$ctl" "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
}

expect_status() {
    [ "$status" -eq "$1" ] || fail "exit status $status, expected $1; stderr: $(cat "$work/err")"
}

expect_out() {
    grep -qE -- "$1" "$work/out" || fail "stdout lacks /$1/: $(cat "$work/out")"
}

expect_err() {
    grep -qE -- "$1" "$work/err" || fail "stderr lacks /$1/: $(cat "$work/err")"
}

case "$case_name" in
info)
    run info --simulate
    expect_status 0
    expect_out '^chip +4210A$'
    expect_out '^version +0x0100$'
    expect_out '^vendor id +0x7A3E$'
    expect_out '^product id +0x08B8$'
    run info --simulate=4230A
    expect_status 0
    expect_out '^chip +4230A$'
    ;;
list)
    run list --simulate
    expect_status 0
    [ "$(wc -l <"$work/out")" -eq 3 ] || fail "expected the mouse's 3 interfaces"
    expect_out '7A3E:08B8 +version 0100 +input 4 +feature 8 +\(command interface\)$'
    ;;
dump)
    run dump --simulate
    expect_status 0
    [ "$(wc -l <"$work/out")" -eq 128 ] || fail "expected 128 lines of 16 bytes"
    if grep -vqE '^[0-9A-F]{4}:( [0-9A-F]{2}){16}$' "$work/out"; then
        fail "malformed dump line: $(grep -vE '^[0-9A-F]{4}:( [0-9A-F]{2}){16}$' "$work/out" | head -1)"
    fi
    expect_out '^0000: 7A 3E 08 B8 '
    expect_out '^07F0: '
    ;;
block-round-trip)
    run write 0x100 DEADBEEF 01 --simulate --sim-eeprom "$eeprom"
    expect_status 0
    expect_out '^wrote 5 byte\(s\) at 0x0100$'
    [ "$(stat -c %s "$eeprom")" -eq 2048 ] || fail "EEPROM file is not 2048 bytes"
    run read 256 5 --simulate --sim-eeprom "$eeprom"
    expect_status 0
    expect_out '^0100: DE AD BE EF 01$'
    run dump --simulate --sim-eeprom "$eeprom"
    expect_status 0
    expect_out '^0100: DE AD BE EF 01 '
    # The file holds what the mouse holds.
    [ "$(od -An -tx1 -j256 -N5 "$eeprom" | tr -d ' \n')" = "deadbeef01" ] ||
        fail "EEPROM file does not hold the written bytes"
    ;;
live-round-trip)
    run live-write 0xA4 11 2233 44 --simulate --sim-eeprom "$eeprom"
    expect_status 0
    run live-read 164 4 --simulate --sim-eeprom "$eeprom"
    expect_status 0
    expect_out '^00A4: 11 22 33 44$'
    run read 0xA4 4 --simulate --sim-eeprom "$eeprom"
    expect_out '^00A4: 11 22 33 44$'
    ;;
xdata)
    run xdata-read 0x7241 --simulate
    expect_status 0
    expect_out '^0x[0-9A-F]{2}$'
    run xdata-write 0x7241 0x06 --simulate --trace
    expect_status 0
    expect_err '^set-feature 40 01 72 41 06 00 00 00$'
    ;;
trace)
    run read 0 8 --simulate --trace
    expect_status 0
    if grep -vqE '^(set-feature|get-feature|input)( [0-9A-F]{2})+$' "$work/err"; then
        fail "malformed trace line: $(head -3 "$work/err")"
    fi
    expect_err '^set-feature 40 09 00 00 00 08 00 00$'
    [ "$(sed -n '/^set-feature 40 09/,$p' "$work/err" | grep -c '^get-feature 41')" -eq 2 ] ||
        fail "a read of 8 bytes must fetch 2 data reports"
    ;;
faults)
    for fault in refuse-command refuse-data=1 vanish-after=2 bad-identify; do
        run dump --simulate --sim-fault "$fault"
        expect_status 1
        expect_err '^gmousectl: '
        [ ! -s "$work/out" ] || fail "$fault: an incomplete dump was printed"
    done
    run write 0 01 02 03 04 05 06 07 08 --simulate --sim-fault=refuse-data=2
    expect_status 1
    expect_err 'incomplete'
    run live-write 0 01 02 03 --simulate --sim-fault refuse-command,vanish-after=5
    expect_status 1
    run xdata-read 0 --simulate --sim-fault vanish-after=1
    expect_status 1
    expect_err 'XDATA read'
    ;;
bad-input)
    run read 2040 9 --simulate
    expect_status 2
    expect_err 'LEN 9 is out of range'
    run read zz 1 --simulate
    expect_status 2
    expect_err "ADDR 'zz' is not a number"
    run write 0 0x1 --simulate
    expect_status 2
    expect_err 'not hex bytes'
    run live-write 0xFE 01 02 03 --simulate
    expect_status 2
    expect_err 'run past the end'
    run xdata-write 0x10000 1 --simulate
    expect_status 2
    run info --simulte
    expect_status 2
    expect_err 'unknown option --simulte'
    run info --simulate --sim-fault sometimes
    expect_status 2
    expect_err "unknown --sim-fault 'sometimes'"
    run info --sim-eeprom "$eeprom"
    expect_status 2
    expect_err 'need --simulate'
    # A file that is not an EEPROM is refused and left as it was.
    printf 'short' >"$eeprom"
    run write 0 00 --simulate --sim-eeprom "$eeprom"
    expect_status 2
    expect_err 'not an EEPROM file'
    [ "$(cat "$eeprom")" = "short" ] || fail "the refused EEPROM file was changed"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
