#!/usr/bin/env bash
# gmouse run whole on the virtual mouse, offscreen. usage: gmouse_test.sh CASE GMOUSE
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
gmouse="$ctl"
export QT_QPA_PLATFORM=offscreen
# The single-instance socket lives in the runtime folder, else in a folder of its own in the
# temporary one: keep both apart from a running editor.
export TMPDIR="$work"
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR="$work/run"
socket="$XDG_RUNTIME_DIR/gmouse.socket"
editors=()
trap 'kill "${editors[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

run_gmouse() {
    set +e
    timeout 60 "$gmouse" "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
}

# Starts an editor in the background (standard error in $work/NAME.err) and waits until its
# window is shown.
start_editor() {
    GMOUSE_REPORT_SHOWN=1 "$gmouse" --simulate >/dev/null 2>"$work/$1.err" &
    editors+=("$!")
    for _ in $(seq 300); do
        grep -q 'shown at' "$work/$1.err" && return 0
        kill -0 "$!" 2>/dev/null || break
        sleep 0.1
    done
    fail "editor $1 did not start: $(cat "$work/$1.err")"
}

# The owner of the socket at PATH; empty when no socket is there.
socket_owner() {
    [ ! -S "$1" ] || stat -c %u "$1"
}

# Width and height of a PNG file, from its header.
png_size() {
    local hex
    hex="$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')"
    echo "$((16#${hex:0:8}))x$((16#${hex:8:8}))"
}

case "$case_name" in
screenshot)
    run_gmouse --simulate --screenshot "$work/advanced.png" --page 4 --lang 2
    expect_status 0
    [ "$(png_size "$work/advanced.png")" = "980x620" ] ||
        fail "user page is $(png_size "$work/advanced.png"), expected 980x620"
    run_gmouse --simulate=4230A --screenshot "$work/engineer.png" --page 8
    expect_status 0
    [ "$(png_size "$work/engineer.png")" = "1256x680" ] ||
        fail "engineering page is $(png_size "$work/engineer.png"), expected 1256x680"
    # A tab sheet of the engineering page by its name; an unknown name writes no picture.
    run_gmouse --simulate --screenshot "$work/led.png" --page 8 --tab ts_Led
    expect_status 0
    [ -s "$work/led.png" ] || fail "the LED sheet was not rendered"
    run_gmouse --simulate --screenshot "$work/none.png" --page 8 --tab ts_Nothing
    expect_status 1
    expect_err "no tab sheet named ts_Nothing"
    [ ! -e "$work/none.png" ] || fail "a picture was written for an unknown tab sheet"
    # With a key menu open: the picture differs from the page without it, at the same size.
    run_gmouse --simulate --screenshot "$work/keys.png" --page 3
    expect_status 0
    run_gmouse --simulate --screenshot "$work/menu.png" --page 3 --key-menu 12
    expect_status 0
    [ "$(png_size "$work/menu.png")" = "980x620" ] ||
        fail "key page with its menu is $(png_size "$work/menu.png"), expected 980x620"
    if cmp -s "$work/menu.png" "$work/keys.png"; then
        fail "the key menu is not in the picture"
    fi
    # The chord dialog is a window of its own: it is drawn into the picture over the page.
    run_gmouse --simulate --screenshot "$work/chord.png" --page 3 --chord-dialog 4
    expect_status 0
    if cmp -s "$work/chord.png" "$work/keys.png"; then
        fail "the chord dialog is not in the picture"
    fi
    ;;
sim-eeprom)
    run_gmouse --simulate --sim-eeprom "$eeprom" --screenshot "$work/p.png"
    expect_status 0
    [ "$(stat -c %s "$eeprom")" -eq 2048 ] || fail "the virtual mouse's EEPROM was not kept"
    ;;
bad-options)
    for args in "--page 4" "--simulate --screenshot x.png --page 9" "--sim-eeprom e.bin" \
        "--simulate=4999A" "--lang 2" "--tab ts_Led" "extra" "--key-menu 3" \
        "--simulate --screenshot x.png --key-menu 13" "--chord-dialog 4"; do
        # shellcheck disable=SC2086
        run_gmouse $args
        expect_status 2
        expect_err "usage: gmouse"
    done
    # --sim-fault as gmousectl takes it, with the same refusals.
    for args in "--sim-fault garbage" "--simulate --sim-fault sometimes" \
        "--simulate --sim-fault unplug-after=5"; do
        # shellcheck disable=SC2086
        run_gmouse $args
        expect_status 2
        expect_err "usage: gmouse"
    done
    expect_err "unplug-after=N and replug-after=MS go together"
    run_gmouse --help
    expect_status 0
    expect_out "usage: gmouse"
    expect_out "garbage\[=N\]"
    ;;
sim-fault)
    # The faults reach the window: with every answer garbled the Advanced page shows other
    # values than on the same mouse answering right.
    run_gmouse --simulate --screenshot "$work/right.png" --page 4
    expect_status 0
    run_gmouse --simulate --sim-fault garbage --screenshot "$work/garbled.png" --page 4
    expect_status 0
    [ "$(png_size "$work/garbled.png")" = "980x620" ] || fail "no page under the fault"
    ! cmp -s "$work/right.png" "$work/garbled.png" || fail "the garbled answers did not show"
    ;;
single-instance)
    start_editor first
    [ "$(socket_owner "$socket")" = "$(id -u)" ] || fail "the editor does not listen at $socket"
    run_gmouse --simulate=4230A
    expect_status 0
    expect_err "handed over to the editor already running for this user, which keeps its own options \(not applied: --simulate=4230A\)"
    kill -0 "${editors[0]}" 2>/dev/null || fail "the first editor ended"
    # Without a runtime folder: a folder of its own in the temporary one, mode 700.
    kill "${editors[0]}"
    unset XDG_RUNTIME_DIR
    start_editor second
    folder="$TMPDIR/gmouse-$(id -u)"
    [ "$(stat -c %a "$folder")" = 700 ] || fail "$folder has mode $(stat -c %a "$folder")"
    [ "$(socket_owner "$folder/gmouse.socket")" = "$(id -u)" ] || fail "no socket in $folder"
    run_gmouse --simulate
    expect_status 0
    expect_err "handed over to the editor already running for this user"
    ;;
foreign-socket)
    # A plain file in the socket's place is not connected to: the editor starts and listens there.
    : >"$socket"
    start_editor first
    [ "$(socket_owner "$socket")" = "$(id -u)" ] || fail "the editor does not listen at $socket"
    if [ "$(id -u)" != 0 ]; then
        echo "skipped: giving a socket or a folder to another user needs root"
        exit 77
    fi
    # The running editor's socket, given to another user, is not handed over to: a second
    # editor starts and listens in its place.
    chown 65534 "$socket"
    start_editor second
    ! grep -q "handed over" "$work/second.err" || fail "handed over to another user's socket"
    [ "$(socket_owner "$socket")" = 0 ] || fail "the second editor does not listen at $socket"
    kill -0 "${editors[0]}" 2>/dev/null || fail "the first editor ended"
    # A fallback folder another user made first is not used; the editor starts without it.
    unset XDG_RUNTIME_DIR
    mkdir -m 700 "$TMPDIR/gmouse-0"
    chown 65534 "$TMPDIR/gmouse-0"
    start_editor third
    grep -q "gmouse-0 is not a private folder of this user (owner 65534, mode 700)" \
        "$work/third.err" || fail "the editor did not say why: $(cat "$work/third.err")"
    [ -z "$(ls -A "$TMPDIR/gmouse-0")" ] || fail "something was made in another user's folder"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
