#!/usr/bin/env bash
# End-to-end cases of gmousectl's device commands on the virtual mouse.
# Usage: device_commands_test.sh CASE GMOUSECTL
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"

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
    expect_out '7A3E:08B8 +version 0100 +input 4 +feature 8 +\(command interface\) +\(status reports\)$'
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
    [ "$(bytes_at "$eeprom" 256 5)" = "deadbeef01" ] ||
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
    # Answers with wrong bytes: the tool cannot tell, but what it reads is not what the mouse holds.
    run read 0 8 --simulate --sim-fault garbage
    expect_status 0
    expect_out '^0000: '
    ! grep -q '^0000: 7A 3E 08 B8 BF 1F 7F 4F$' "$work/out" || fail "garbage answered the right bytes"
    # Each of the 5 reports (identify, its answer, the read command and its 2 answers) takes 60 ms.
    started="$(date +%s%N)"
    run read 0 8 --simulate --sim-fault slow=60
    expect_status 0
    took=$((($(date +%s%N) - started) / 1000000))
    [ "$took" -ge 300 ] || fail "slow=60 read 8 bytes in $took ms"
    # A wrong identify answer: the system's own text, then the step and what was answered.
    run info --simulate=4230A --sim-fault bad-identify
    expect_status 1
    expect_err '^gmousectl: RDXM421xData\.bin file type error: while identifying the mouse, the mouse answered 3F 00,'
    ;;
leading-options)
    # Device options may come before the command, as with git-style tools.
    run --simulate=4230A --sim-eeprom "$eeprom" info
    expect_status 0
    expect_out '^chip +4230A$'
    run --simulate --sim-eeprom="$eeprom" read 0 2
    expect_status 0
    expect_out '^0000: 7A 3E$'
    run --simulate --trace
    expect_usage_error "options but no command"
    ;;
bad-input)
    run read 2040 9 --simulate
    expect_status 2
    expect_err 'LEN 9 is out of range'
    run xdata-write 0x7241 256 --simulate --trace
    expect_usage_error 'VALUE 256 is out of range'
    run read -1 4 --simulate
    expect_usage_error 'ADDR -1 must be 0 or more'
    # A live read carries at most 255 bytes; the tool says so instead of sending it.
    run live-read 0 256 --simulate
    expect_usage_error 'LEN 256 is out of range \(1\.\.255\)'
    run live-read 0 255 --simulate
    expect_status 0
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
options)
    # Options go anywhere among the arguments, with their value after a space or '='.
    run read --simulate=4230A 0 --trace 2
    expect_status 0
    expect_out '^0000: 7A 3E$'
    # An option of another command is refused by name, not taken for a byte to write.
    run write 44 11 22 --simulate --sim-eeprom "$eeprom" --backup-dir "$work/bk"
    expect_usage_error '^gmousectl write: unknown option --backup-dir$'
    [ ! -e "$eeprom" ] && [ ! -e "$work/bk" ] || fail "a refused write left a file"
    run info --simulate --colour=red
    expect_usage_error '^gmousectl info: unknown option --colour$'
    # The next option is not taken for the missing value.
    run info --simulate --sim-eeprom --trace
    expect_usage_error '^gmousectl info: --sim-eeprom needs a value$'
    run info --simulate --sim-eeprom=
    expect_usage_error '^gmousectl info: --sim-eeprom needs a value$'
    run info --simulate --simulate=4230A
    expect_usage_error '^gmousectl info: --simulate given twice$'
    run dump --simulate --trace=all
    expect_usage_error '^gmousectl dump: --trace takes no value$'
    # --sim-fault is the one shared option that repeats: each given fault is armed, whatever
    # the order (refuse-data=9 alone lets an XDATA read through).
    for faults in "refuse-data=9 vanish-after=1" "vanish-after=1 refuse-data=9"; do
        set -- $faults
        run xdata-read 0 --simulate --sim-fault "$1" --sim-fault "$2"
        expect_status 1
        expect_err 'XDATA read: no answer'
    done
    # --help anywhere shows the command's help, even beside a refused option.
    run write --backup-dir --help
    expect_status 0
    expect_out '^usage: gmousectl write ADDR HEX\.\.\. \[DEVICE OPTIONS\]$'
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
