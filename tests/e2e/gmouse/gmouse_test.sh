#!/usr/bin/env bash
# gmouse run whole on the virtual mouse, offscreen. usage: gmouse_test.sh CASE GMOUSE
. "$(dirname "${BASH_SOURCE[0]}")/../lib.sh" "$@"
gmouse="$ctl"
export QT_QPA_PLATFORM=offscreen
# The single-instance socket lives in the temporary folder: keep it apart from a running editor.
export TMPDIR="$work"

run_gmouse() {
    set +e
    timeout 60 "$gmouse" "$@" >"$work/out" 2>"$work/err"
    status=$?
    set -e
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
    ;;
sim-eeprom)
    run_gmouse --simulate --sim-eeprom "$eeprom" --screenshot "$work/p.png"
    expect_status 0
    [ "$(stat -c %s "$eeprom")" -eq 2048 ] || fail "the virtual mouse's EEPROM was not kept"
    ;;
bad-options)
    for args in "--page 4" "--simulate --screenshot x.png --page 9" "--sim-eeprom e.bin" \
        "--simulate=4999A" "--lang 2" "--tab ts_Led" "extra" "--key-menu 3" \
        "--simulate --screenshot x.png --key-menu 13"; do
        # shellcheck disable=SC2086
        run_gmouse $args
        expect_status 2
        expect_err "usage: gmouse"
    done
    run_gmouse --help
    expect_status 0
    expect_out "usage: gmouse"
    ;;
single-instance)
    "$gmouse" --simulate >"$work/first.out" 2>&1 &
    first=$!
    for _ in $(seq 100); do
        [ -S "$work/gmouse-$(id -u)" ] && break
        sleep 0.1
    done
    [ -S "$work/gmouse-$(id -u)" ] || { kill "$first"; fail "the first editor did not listen"; }
    run_gmouse --simulate
    kill -0 "$first" 2>/dev/null || fail "the first editor ended"
    kill "$first"
    wait "$first" || true
    expect_status 0
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
