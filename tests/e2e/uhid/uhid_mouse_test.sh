#!/usr/bin/env bash
# gmousectl over the real hidraw path: the virtual mouse runs behind /dev/uhid (tools/uhid-mouse),
# the kernel makes a hidraw node for it, and gmousectl without --simulate must send and receive
# exactly the reports of the same command run with --simulate (byte-identical --trace output).
# Usage: uhid_mouse_test.sh CASE GMOUSECTL UHID_MOUSE
# Exits 77 (skipped) where /dev/uhid is not writable or the node may not be opened.
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$1" "$2"
uhid_mouse="$3"
mouse_pid=""

skip() {
    echo "SKIP: $*"
    exit 77
}

stop_mouse() {
    if [ -n "$mouse_pid" ]; then
        echo quit >&3 || true
        exec 3>&-
        wait "$mouse_pid" || true
        mouse_pid=""
    fi
}
trap 'stop_mouse; rm -rf "$work"' EXIT
trap '' PIPE # a mouse that ended must not take this script with it at "quit"

[ -e /dev/uhid ] || skip "no /dev/uhid on this machine (sudo modprobe uhid)"
[ -w /dev/uhid ] || skip "/dev/uhid is not writable for $(id -un)"

# Starts the uhid mouse and sets $node to its hidraw node once this user may open it.
start_mouse() {
    mkfifo "$work/commands"
    "$uhid_mouse" <"$work/commands" >"$work/mouse.out" 2>"$work/mouse.err" &
    mouse_pid=$!
    exec 3>"$work/commands"
    local uniq="" tries
    for tries in $(seq 100); do
        uniq="$(sed -n 's/^ready //p' "$work/mouse.out")"
        [ -n "$uniq" ] && break
        kill -0 "$mouse_pid" 2>/dev/null || fail "uhid-mouse ended: $(cat "$work/mouse.err")"
        sleep 0.1
    done
    [ -n "$uniq" ] || fail "uhid-mouse did not start: $(cat "$work/mouse.err")"
    node=""
    for tries in $(seq 100); do
        node="$(grep -l "^HID_UNIQ=$uniq\$" /sys/class/hidraw/*/device/uevent 2>/dev/null |
            head -1 | sed 's|^/sys/class/hidraw/\([^/]*\)/.*|/dev/\1|')"
        [ -n "$node" ] && [ -e "$node" ] && break
        sleep 0.1
    done
    [ -n "$node" ] || fail "no hidraw node appeared for the uhid mouse"
    # udev may still be applying the rule's access list.
    for tries in $(seq 30); do
        [ -r "$node" ] && [ -w "$node" ] && return
        sleep 0.1
    done
    skip "$node may not be opened by $(id -un) (install resources/udev/70-gmouse.rules)"
}

# The report lines of gmousectl's standard error.
trace_of() {
    grep -E '^(set-feature|get-feature|input) ' "$1" || true
}

# Runs gmousectl ARGS... --trace with --simulate and then against the uhid mouse, and compares
# the traces.
same_trace() {
    run "$@" --simulate --trace
    expect_status 0
    trace_of "$work/err" >"$work/simulated.trace"
    cp "$work/out" "$work/simulated.out"
    start_mouse
    run "$@" --trace
    expect_status 0
    trace_of "$work/err" >"$work/real.trace"
    [ -s "$work/real.trace" ] || fail "no trace from the real run: $(cat "$work/err")"
    cmp -s "$work/simulated.trace" "$work/real.trace" ||
        fail "traces differ: $(diff "$work/simulated.trace" "$work/real.trace" | head -20)"
}

case "$case_name" in
info)
    same_trace info
    expect_out '^chip +4210A$'
    ;;
dump)
    same_trace dump
    same "$work/simulated.out" "$work/out"
    ;;
live-write)
    same_trace live-write 0xA4 11 2233 44
    ;;
watch)
    run watch --for 8 --sim-press cpi --simulate --trace
    expect_status 0
    trace_of "$work/err" >"$work/simulated.trace"
    grep -q '^input 42 00 00 01$' "$work/simulated.trace" || fail "the simulated press was not seen"
    start_mouse
    set +e
    "$ctl" watch --for 8 --trace >"$work/out" 2>"$work/err" &
    watch_pid=$!
    set -e
    for tries in $(seq 100); do
        grep -q '^image read$' "$work/out" && break
        sleep 0.1
    done
    grep -q '^image read$' "$work/out" || fail "watch did not read the image: $(cat "$work/err")"
    echo "press cpi" >&3
    wait "$watch_pid" || fail "watch failed: $(cat "$work/err")"
    trace_of "$work/err" >"$work/real.trace"
    cmp -s "$work/simulated.trace" "$work/real.trace" ||
        fail "traces differ: $(diff "$work/simulated.trace" "$work/real.trace" | head -20)"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
