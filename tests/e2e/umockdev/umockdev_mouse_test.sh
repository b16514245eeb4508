#!/usr/bin/env bash
# gmousectl over the real hidraw path with the kernel's part emulated: gm-umockdev-mouse runs the
# virtual mouse behind umockdev's /sys and /dev nodes, and gmousectl without --simulate must send
# and receive exactly the reports of the same command run with --simulate. Two traces are
# compared with the simulated run's: gmousectl's own (--trace) and the reports the mouse saw
# (the tool's --record), so a report the backend sends with a wrong length or id fails the case
# even where the mouse's answer would not show it.
# Usage: umockdev_mouse_test.sh CASE GMOUSECTL GM_UMOCKDEV_MOUSE [GMOUSE]
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$1" "$2"
umockdev_mouse="$3"
gmouse="${4:-}"
simulate=(--simulate) # gmousectl's options for the simulated run
mouse=()              # the tool's options for the emulated one

trace_of() {
    grep -E '^(set-feature|get-feature|input) ' "$1" || true
}

# Runs COMMAND ARGS... inside the testbed; like run, with the mouse's record in $work/record.
run_emulated() {
    set +e
    "$umockdev_mouse" "${mouse[@]}" --record "$work/record" -- "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
}

# Runs gmousectl ARGS... --trace first on the simulated mouse and then through the emulated
# nodes, expects exit status STATUS of both, and compares the traces.
same_trace() {
    local expected="$1"
    shift
    run "$@" "${simulate[@]}" --trace
    expect_status "$expected"
    trace_of "$work/err" >"$work/simulated.trace"
    cp "$work/out" "$work/simulated.out"
    run_emulated "$ctl" "$@" --trace
    expect_status "$expected"
    compare_traces
}

compare_traces() {
    trace_of "$work/err" >"$work/real.trace"
    [ -s "$work/real.trace" ] || fail "no trace from the emulated run: $(cat "$work/err")"
    cmp -s "$work/simulated.trace" "$work/real.trace" ||
        fail "gmousectl's traces differ: $(diff "$work/simulated.trace" "$work/real.trace" | head -20)"
    # The mouse sends an input report when it happens, not when the host reads it: the record
    # keeps the order of the feature reports and that of the input reports, not their mix.
    local kind
    for kind in feature input; do
        grep "^[a-z-]*$kind " "$work/simulated.trace" >"$work/simulated.$kind" || true
        grep "^[a-z-]*$kind " "$work/record" >"$work/record.$kind" || true
        cmp -s "$work/simulated.$kind" "$work/record.$kind" ||
            fail "the mouse saw other reports: $(diff "$work/simulated.$kind" "$work/record.$kind" | head -20)"
    done
}

# `watch` until one press of the CPI button sent to the tool's standard input is seen.
watch_with_press() {
    run watch --for 8 --sim-press cpi "${simulate[@]}" --trace
    expect_status 0
    trace_of "$work/err" >"$work/simulated.trace"
    grep -q '^input 42 00 00 01$' "$work/simulated.trace" || fail "the simulated press was not seen"
    mkfifo "$work/commands"
    set +e
    "$umockdev_mouse" "${mouse[@]}" --record "$work/record" -- "$ctl" watch --for 8 --trace \
        <"$work/commands" >"$work/out" 2>"$work/err" &
    local watch_pid=$!
    set -e
    exec 3>"$work/commands"
    local tries
    for tries in $(seq 100); do
        grep -q '^image read$' "$work/out" && break
        sleep 0.1
    done
    grep -q '^image read$' "$work/out" || fail "watch did not read the image: $(cat "$work/err")"
    echo "press cpi" >&3
    exec 3>&-
    wait "$watch_pid" || fail "watch failed: $(cat "$work/err")"
    expect_out '^cpi level 3$'
    compare_traces
}

case "$case_name" in
info)
    same_trace 0 info
    expect_out '^chip +4210A$'
    expect_out '^version +0x0100$'
    simulate=(--simulate=4230A)
    mouse=(--chip 4230A)
    same_trace 0 info
    expect_out '^chip +4230A$'
    ;;
dump)
    same_trace 0 dump
    same "$work/simulated.out" "$work/out"
    ;;
live-write)
    # The emulated mouse keeps its EEPROM in a file as the simulated one does.
    simulate=(--simulate --sim-eeprom "$eeprom")
    mouse=(--eeprom "$work/emulated.bin")
    same_trace 0 live-write 44 12
    same "$eeprom" "$work/emulated.bin"
    [ "$(bytes_at "$work/emulated.bin" 44)" = 12 ] || fail "byte 44 is $(bytes_at "$work/emulated.bin" 44)"
    run_emulated "$ctl" dump
    expect_status 0
    expect_out '^0020: (.. ){12}12 '
    ;;
load)
    # A whole image: the mouse restarts, its node goes away and comes back, gmousectl reconnects.
    "$ctl" image new --chip 4210A --config 2 -o "$work/cfg2.bin" >/dev/null
    simulate=(--simulate --sim-eeprom "$eeprom")
    mouse=(--eeprom "$work/emulated.bin")
    same_trace 0 load "$work/cfg2.bin" --backup-dir "$work/backups"
    expect_out 'restarted and was read back'
    same "$work/cfg2.bin" "$work/emulated.bin"
    ;;
watch)
    watch_with_press
    ;;
vanish)
    # The mouse leaves after 40 reports of the image read: the node's handle answers as a
    # removed kernel node does, and the command fails as it does on the simulated mouse.
    simulate=(--simulate --sim-fault vanish-after=40)
    mouse=(--fault vanish-after=40)
    same_trace 1 dump
    expect_err 'the transfer is incomplete'
    [ "$(grep -c . "$work/record")" -eq 44 ] || fail "the mouse saw $(grep -c . "$work/record") reports"
    ;;
refused)
    simulate=(--simulate --sim-fault refuse-command)
    mouse=(--fault refuse-command)
    same_trace 1 live-write 44 12
    ;;
split)
    # Three interfaces: commands travel on the keyboard node, status reports on the vendor one.
    mouse=(--split)
    same_trace 0 dump
    watch_with_press
    ;;
screenshot)
    [ -n "$gmouse" ] || fail "no gmouse given"
    export QT_QPA_PLATFORM=offscreen TMPDIR="$work"
    run_emulated timeout 60 "$gmouse" --screenshot "$work/emulated.png"
    expect_status 0
    grep -q '^get-feature 41 ' "$work/record" || fail "gmouse did not read the mouse"
    # Page 1 of the user pages, at their size (the window's PNG header: width, height).
    [ "$(od -An -tx1 -j16 -N8 "$work/emulated.png" | tr -d ' \n')" = 000003d40000026c ] ||
        fail "page 1 was not rendered at 980x620"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
