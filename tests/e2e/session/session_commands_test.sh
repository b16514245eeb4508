#!/usr/bin/env bash
# End-to-end cases of gmousectl's session commands on the virtual mouse.
# Usage: session_commands_test.sh CASE GMOUSECTL
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
backups="$work/backups"
sim=(--simulate --sim-eeprom "$eeprom")

# Sets the byte at OFFSET of FILE to the hex value VALUE.
set_byte() {
    printf "\\x$3" | dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# The virtual mouse's EEPROM file, created by a first command.
make_mouse() {
    run save "$work/first" "${sim[@]}" "$@"
    expect_status 0
    [ -f "$eeprom" ] || fail "no EEPROM file"
}

backup_count() {
    run backups --backup-dir "$backups"
    expect_status 0
    if grep -q '^no backups' "$work/out"; then echo 0; else wc -l <"$work/out"; fi
}

case "$case_name" in
save-load)
    make_mouse
    run save "$work/profile" "${sim[@]}"
    expect_status 0
    expect_out "saved the mouse's image to .*/profile\.bin$"
    same "$work/profile.bin" "$eeprom"
    # A name already ending in .bin is kept as it is.
    run save "$work/profile.bin" "${sim[@]}"
    expect_status 0
    [ ! -e "$work/profile.bin.bin" ] || fail "the extension was doubled"
    # Change the mouse, then load the saved file back.
    run write 400 42 "${sim[@]}"
    expect_status 0
    run load "$work/profile.bin" "${sim[@]}" --backup-dir "$backups"
    expect_status 0
    expect_out 'restarted and was read back'
    same "$work/profile.bin" "$eeprom"
    [ "$(backup_count)" -eq 1 ] || fail "expected one backup"
    run backups --backup-dir "$backups"
    expect_out '^1  [0-9-]+ [0-9:.]+ UTC  load  '
    ;;
load-refused)
    make_mouse
    cp "$eeprom" "$work/before.bin"
    cp "$eeprom" "$work/bad.bin"
    set_byte "$work/bad.bin" 495 e1
    run load "$work/bad.bin" "${sim[@]}" --backup-dir "$backups"
    expect_status 2
    expect_err 'Loading \.bin is error!'
    same "$eeprom" "$work/before.bin"
    [ "$(backup_count)" -eq 0 ] || fail "a refused file left a backup"
    # A 4230A profile is accepted by a 4210A mouse.
    "$ctl" image new --chip 4230A --config 2 -o "$work/4230A.bin" >/dev/null
    run load "$work/4230A.bin" "${sim[@]}" --backup-dir "$backups"
    expect_status 0
    same "$eeprom" "$work/4230A.bin"
    ;;
reset)
    make_mouse
    run write 0x100 DEADBEEF "${sim[@]}"
    expect_status 0
    run reset 2 "${sim[@]}" --backup-dir "$backups"
    expect_status 0
    expect_out '^wrote factory configuration 2 for the 4210A'
    "$ctl" image new --chip 4210A --config 1 -o "$work/cfg1.bin" >/dev/null
    same "$eeprom" "$work/cfg1.bin"
    # The raw write left a section whose check byte does not fit: the image as read is kept
    # before it is rebuilt, and the reset's own backup holds the image the reset replaced.
    expect_err 'rebuilt from defaults. Backup 1 holds the image as it was read'
    backup="$(ls "$backups"/backup-*-reset2.bin)"
    [ "$(bytes_at "$backup" 256 4)" = "deadbeef" ] ||
        fail "the backup does not hold the replaced image"
    ;;
backups)
    make_mouse
    cp "$eeprom" "$work/original.bin"
    "$ctl" image new --chip 4230A --config 3 -o "$work/other.bin" >/dev/null
    # Without --backup-dir the backups go to $XDG_DATA_HOME/gmouse/backups.
    XDG_DATA_HOME="$work/xdg" run load "$work/other.bin" "${sim[@]}"
    expect_status 0
    ls "$work/xdg/gmouse/backups"/backup-*-load.bin >/dev/null || fail "no backup in XDG_DATA_HOME"
    XDG_DATA_HOME="$work/xdg" run backups restore 1 "${sim[@]}"
    expect_status 0
    expect_out '^restored backup 1'
    same "$eeprom" "$work/original.bin"
    XDG_DATA_HOME="$work/xdg" run backups
    expect_out '^1  .*  restore  '
    expect_out '^2  .*  load  '
    XDG_DATA_HOME="$work/xdg" run backups restore 3 "${sim[@]}"
    expect_status 2
    expect_err 'not a backup number'
    ;;
patch)
    make_mouse
    # Header: length 736, a wrong checksum that must be rebuilt, MCU LED bytes 1..8; then 784
    # code bytes of 0x01: the checksum covers 736 of them while all 784 are written.
    {
        printf '\x04\x00\x02\xE0\x00\x1A\xDE\xAD\x01\x02\x03\x04\x05\x06\x07\x08'
        head -c 784 /dev/zero | tr '\0' '\001'
    } >"$work/patch.bin"
    run patch "$work/patch.bin" "${sim[@]}"
    expect_status 0
    expect_out 'programmed the patch code'
    # 736 * 1 = 0x02E0; XOR 0x015A = 0x03BA.
    [ "$(bytes_at "$eeprom" 1008 8)" = "040002e0001a03ba" ] ||
        fail "header: $(bytes_at "$eeprom" 1008 16)"
    [ "$(bytes_at "$eeprom" 1807)" = "01" ] || fail "the whole patch area was not written"
    # A length beyond the 4210A's 784-byte area is refused before anything is written.
    cp "$eeprom" "$work/before.bin"
    printf '\x04\x00\x03\x20\x00\x1A\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >"$work/long.bin"
    head -c 800 /dev/zero >>"$work/long.bin"
    run patch "$work/long.bin" "${sim[@]}"
    expect_status 2
    expect_err 'patch length of 800 bytes, more than the chip.s patch area of 784'
    same "$eeprom" "$work/before.bin"
    ;;
imports)
    make_mouse
    head -c 512 /dev/zero | tr '\0' '\125' >"$work/macros.bin"
    run import-macros "$work/macros.bin" "${sim[@]}"
    expect_status 0
    [ "$(bytes_at "$eeprom" 496)" = "55" ] && [ "$(bytes_at "$eeprom" 1007)" = "55" ] ||
        fail "macro area not written"
    head -c 240 /dev/zero | tr '\0' '\146' >"$work/fire.bin"
    run import-fire-macros "$work/fire.bin" "${sim[@]}"
    expect_status 0
    [ "$(bytes_at "$eeprom" 1808)" = "66" ] && [ "$(bytes_at "$eeprom" 2047)" = "66" ] ||
        fail "fire macros not written to the 4210A tail"
    # A short macro file is used and reported.
    head -c 100 /dev/zero >"$work/short.bin"
    run import-macros "$work/short.bin" "${sim[@]}"
    expect_status 0
    expect_err 'holds only 100 of 512 bytes'
    [ "$(bytes_at "$eeprom" 596)" = "55" ] || fail "bytes past a short file were not kept"
    ;;
watch)
    run watch --simulate --for 4 --sim-press cpi-up,profile
    expect_status 0
    expect_out '^connected \(version 0100\)$'
    expect_out '^identified chip 4210A$'
    expect_out '^image read$'
    expect_out '^cpi level 2$'
    expect_out '^cpi level 3$'
    expect_out '^profile 2$'
    ;;
faults)
    make_mouse
    # The mouse leaves the bus during the image read: no file is written.
    run save "$work/partial" "${sim[@]}" --sim-fault vanish-after=40
    expect_status 1
    [ ! -e "$work/partial.bin" ] || fail "a partial image was saved"
    run reset 1 "${sim[@]}" --sim-fault refuse-command --backup-dir "$backups"
    [ "$status" -ne 0 ] || fail "a refused reset reported success"
    run save "$work/x" "${sim[@]}" --sim-fault bad-identify
    expect_status 1
    # The trace shows every report of a save.
    run save "$work/traced" "${sim[@]}" --trace
    expect_status 0
    expect_err '^set-feature 40 09 00 00 08 00 00 00$'
    [ "$(grep -c '^get-feature 41' "$work/err")" -ge 293 ] || fail "missing data reports in trace"
    ;;
interrupted-writes)
    make_mouse
    cp "$eeprom" "$work/before.bin"
    "$ctl" image new --chip 4210A --config 2 -o "$work/cfg2.bin" >/dev/null
    # Connecting reads the image (293 data reports) and the backup read takes 293 more: the
    # 600th data report is in the middle of the write.
    run load "$work/cfg2.bin" "${sim[@]}" --backup-dir "$backups" --sim-fault refuse-data=600
    expect_status 1
    expect_err 'refused [0-9]+ of 293 reports while writing the image'
    expect_err "backups restore 1"
    [ "$(backup_count)" -eq 1 ] || fail "the interrupted load kept no backup"
    run backups restore 1 "${sim[@]}" --backup-dir "$backups"
    expect_status 0
    same "$eeprom" "$work/before.bin"
    # The first data report of the write refused, and the mouse leaving mid-write, fail too.
    run reset 2 "${sim[@]}" --backup-dir "$backups" --sim-fault vanish-after=700
    [ "$status" -ne 0 ] || fail "a reset whose mouse left mid-write reported success"
    [ "$(backup_count)" -eq 3 ] || fail "the interrupted reset kept no backup"
    {
        printf '\x04\x00\x02\xE0\x00\x1A\xDE\xAD\x01\x02\x03\x04\x05\x06\x07\x08'
        head -c 784 /dev/zero
    } >"$work/patch.bin"
    run patch "$work/patch.bin" "${sim[@]}" --backup-dir "$backups" --sim-fault refuse-data=650
    expect_status 1
    expect_err 'while writing the patch code'
    [ "$(backup_count)" -eq 4 ] || fail "the interrupted patch kept no backup"
    # The engineering imports fail on a refused report or a mouse that leaves mid-write.
    head -c 512 "$work/cfg2.bin" >"$work/macros.bin"
    for fault in refuse-data=294 refuse-data=320 vanish-after=340; do
        run import-macros "$work/macros.bin" "${sim[@]}" --sim-fault "$fault"
        expect_status 1
        [ ! -s "$work/out" ] || fail "import-macros with $fault claimed the write: $(cat "$work/out")"
    done
    # Without a usable backup folder nothing is written, unless --no-backup is given.
    touch "$work/blocker"
    cp "$eeprom" "$work/before.bin"
    run reset 3 "${sim[@]}" --backup-dir "$work/blocker/backups"
    expect_status 1
    expect_err 'Could not keep a backup'
    same "$eeprom" "$work/before.bin"
    run reset 3 "${sim[@]}" --backup-dir "$work/blocker/backups" --no-backup
    expect_status 0
    ;;
watch-faults)
    run watch --simulate --for 1 --sim-fault bad-identify
    expect_status 0
    expect_err 'RDXM421xData\.bin file type error'
    expect_out '^error page shown$'
    if grep -q '^image read' "$work/out"; then fail "an image was read after a bad identify"; fi
    ;;
watch-replug)
    # The mouse leaves during the first image read and comes back 300 ms later: a later poll
    # (every 3.5 s, then 2.1 s for the population to settle) finds it again and reads it whole.
    run watch --simulate --for 9 --sim-fault unplug-after=200,replug-after=300
    expect_status 0
    expect_out '^image read incompletely$'
    expect_out '^disconnected: Waiting for the device reconnect$'
    [ "$(grep -c '^connected' "$work/out")" -eq 2 ] || fail "not connected twice: $(cat "$work/out")"
    [ "$(tail -3 "$work/out" | head -1)" = "image read" ] || fail "not read whole: $(cat "$work/out")"
    ;;
bad-input)
    head -c 10 /dev/zero >"$work/not-a-folder"
    run backups --backup-dir "$work/not-a-folder"
    expect_status 1
    expect_err 'is not a folder'
    mkfifo "$work/fifo"
    run load "$work/fifo" --simulate --backup-dir "$backups"
    expect_status 2
    expect_err 'not a regular file'
    run image check "$work/fifo"
    expect_status 2
    run save "" --simulate
    expect_status 2
    run load "$work/missing.bin" --simulate --backup-dir "$backups"
    expect_status 2
    expect_err 'missing\.bin: no such file'
    run reset 4 --simulate --backup-dir "$backups"
    expect_status 2
    run save --simulate
    expect_status 2
    run watch --simulate --for soon
    expect_status 2
    run watch --for 1 --sim-press cpi
    expect_status 2
    expect_err 'needs --simulate'
    run watch --simulate --for 1 --sim-press wheel
    expect_status 2
    run backups --bogus
    expect_usage_error '^gmousectl backups: unknown option --bogus$'
    run load "$work/x.bin" --simulate --backup-dir
    expect_usage_error '^gmousectl load: --backup-dir needs a value$'
    ;;
options)
    make_mouse
    cp "$eeprom" "$work/before.bin"
    # save keeps no backups: its --backup-dir is refused by name, not dropped with its value
    # taken for a second FILE.
    run save "$work/profile" "${sim[@]}" --backup-dir "$backups"
    expect_usage_error '^gmousectl save: unknown option --backup-dir$'
    [ ! -e "$work/profile.bin" ] && [ ! -e "$backups" ] || fail "a refused save wrote a file"
    run patch "$work/before.bin" "${sim[@]}" --for 1
    expect_usage_error '^gmousectl patch: unknown option --for$'
    run reset 1 "${sim[@]}" --backup-dir "$backups" --backup-dir="$work/other"
    expect_usage_error '^gmousectl reset: --backup-dir given twice$'
    run backups restore 1 "${sim[@]}" --backup-dir --trace
    expect_usage_error '^gmousectl backups restore: --backup-dir needs a value$'
    run watch --simulate --for 1 --sim-press cpi --sim-press profile
    expect_usage_error '^gmousectl watch: --sim-press given twice$'
    same "$eeprom" "$work/before.bin"
    [ ! -e "$backups" ] || fail "a refused command made the backup folder"
    # The same options are taken as "--name VALUE" and "--name=VALUE".
    run backups --backup-dir="$backups"
    expect_status 0
    expect_out "^no backups in $backups\$"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
