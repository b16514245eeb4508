#!/usr/bin/env bash
# Every write command of gmousectl under the virtual mouse's faults refuse-data=N, vanish-after=N
# and garbage=N at a spread of N, and what a user is left with afterwards. Each run starts from
# the same mouse; a run is "fully written" when the mouse then holds exactly what a run without
# the fault leaves. Per command it prints:
#   runs        runs made
#   cut         runs not fully written
#   cut+fail    of those, runs that exited non-zero (should equal cut)
#   claimed     of those, runs that exited 0 or printed a result (should be 0)
#   bad-check   sections (Vendor, User, Profile1..3) with a wrong check byte after the next
#               connection, a plain 'cpi' read of the same mouse (should be 0)
#   full+fail   runs fully written that still exited non-zero (a false alarm, told apart)
# The raw byte commands (write, live-write, xdata-write) are left out: they write what they are
# given and keep no check byte by design.
# Usage: bench/fault_matrix.sh GMOUSECTL [JOBS] [--runs]
#   JOBS runs go at once (default 6; most runs wait for the mouse's restart, not for a core);
#   --runs also lists every run that was cut and claimed success or left a bad check byte.
set -euo pipefail
ctl="$(realpath "$1")"
jobs="${2:-6}"
list_runs="${3:-}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
files="$work/files"
mkdir -p "$files" "$work/runs" "$work/expected"

# The counts of the spread: the image read that starts every command takes 294 reports (293 data
# reports and answers), so the spread is dense just past it, where each command's writes begin.
spread=(1 100 292 293 294 295 296 297 298 299 300 303 306 310 320 340 400 500 600 700 900)
faults=(refuse-data vanish-after garbage)

# --- the mouse every run starts from, and the files the commands take ---
"$ctl" image new --chip 4210A --config 1 -o "$files/base.bin" >/dev/null
# An AIM key, so 'aim' has one to set.
"$ctl" button 2 12 "AIM Key" --simulate --sim-eeprom "$files/base.bin" >/dev/null
"$ctl" image new --chip 4210A --config 2 -o "$files/cfg2.bin" >/dev/null
{
    printf '\x04\x00\x02\xE0\x00\x1A\xDE\xAD\x01\x02\x03\x04\x05\x06\x07\x08'
    head -c 784 /dev/zero | tr '\0' '\001'
} >"$files/patch.bin"
head -c 512 /dev/zero | tr '\0' '\125' >"$files/macros.bin"
head -c 240 /dev/zero | tr '\0' '\146' >"$files/fire.bin"
# Backup 1 holds Factory configuration 2, so 'backups restore 1' changes the base mouse.
cp "$files/cfg2.bin" "$files/scratch.bin"
XDG_DATA_HOME="$files/data" "$ctl" reset 3 --simulate --sim-eeprom "$files/scratch.bin" \
    >/dev/null 2>&1

commands=(
    "cpi count 4"
    "cpi current 3"
    "cpi value 3 6400"
    "cpi color 2 12ab34"
    "rate 500"
    "led type zk"
    "led mode Rainbow"
    "led color 3 0a0b0c"
    "led speed 7"
    "led mcu --step 4 --brightness half --lamps 6"
    "profile 2 --color 3"
    "profile --switch-color 2 4"
    "usb-id --vid 12ab"
    "usb-id --text FaultMatrix"
    "usb-id --maker-number 7 --product-number 9"
    "sensor MaxShut 3c"
    "option fire-key-count continue"
    "button 2 10 Ctrl+Shift+A"
    "fire-key 1 --repeat 4 --interval 100"
    "aim 600"
    "combo 5 Play/Pause"
    "gesture hold-middle on"
    "load $files/cfg2.bin"
    "reset 2"
    "patch $files/patch.bin"
    "import-macros $files/macros.bin"
    "import-fire-macros $files/fire.bin"
    "backups restore 1"
)

# Runs command INDEX in folder DIR (a fresh copy of the base mouse and backups) with the extra
# arguments given; prints its exit status.
run_in() {
    local index="$1" dir="$2"
    shift 2
    mkdir -p "$dir"
    cp "$files/base.bin" "$dir/e.bin"
    cp -r "$files/data" "$dir/data"
    # shellcheck disable=SC2086
    XDG_DATA_HOME="$dir/data" XDG_STATE_HOME="$dir/state" \
        "$ctl" ${commands[$index]} --simulate --sim-eeprom "$dir/e.bin" "$@" \
        >"$dir/out" 2>"$dir/err" && echo 0 || echo $?
}

# One faulted run: "INDEX FAULT N STATUS FULL CLAIMED BAD" into its folder's result file.
one_run() {
    local index="$1" fault="$2" n="$3"
    local dir="$work/runs/$index-$fault-$n"
    local status full=0 claimed=0 bad
    status="$(run_in "$index" "$dir" --sim-fault "$fault=$n")"
    cmp -s "$dir/e.bin" "$work/expected/$index.bin" && full=1
    if [ "$full" -eq 0 ] && { [ "$status" -eq 0 ] || [ -s "$dir/out" ]; }; then
        claimed=1
    fi
    # The next connection: a plain read of the same mouse, by a later run of the tool.
    XDG_DATA_HOME="$dir/data" XDG_STATE_HOME="$dir/state" \
        "$ctl" cpi --simulate --sim-eeprom "$dir/e.bin" >"$dir/next.out" 2>"$dir/next.err" || true
    bad="$("$ctl" image check "$dir/e.bin" 2>&1 | grep -cE '^(Vendor|User|Profile[123]): bad' || true)"
    echo "$index $fault $n $status $full $claimed $bad" >"$dir/result"
}
export -f run_in one_run
export ctl files work
export COMMANDS_LIST
COMMANDS_LIST="$(printf '%s\n' "${commands[@]}")"

# The fault-free run of each command: what a fully written run leaves.
for i in "${!commands[@]}"; do
    status="$(run_in "$i" "$work/clean-$i")"
    [ "$status" -eq 0 ] || {
        echo "fault_matrix: '${commands[$i]}' fails without a fault: $(cat "$work/clean-$i/err")" >&2
        exit 1
    }
    cp "$work/clean-$i/e.bin" "$work/expected/$i.bin"
done

started="$(date +%s)"
for i in "${!commands[@]}"; do
    for fault in "${faults[@]}"; do
        for n in "${spread[@]}"; do
            echo "$i $fault $n"
        done
    done
done | xargs -P "$jobs" -L 1 bash -c 'mapfile -t commands <<<"$COMMANDS_LIST"; one_run "$@"' _
took=$(($(date +%s) - started))

cat "$work"/runs/*/result >"$work/results"

# Prints one row per key of field KEYFIELD of the results (1: the command, 2: the fault), in the
# order of NAMES (lines "KEY<TAB>NAME"), and a row of the totals.
print_table() {
    local title="$1" keyfield="$2" names="$3"
    awk -v title="$title" -v keyfield="$keyfield" '
        FNR == NR { split($0, f, "\t"); order[++count] = f[1]; name[f[1]] = f[2]; next }
        { k = $keyfield; runs[k]++; claimed[k] += $6; bad[k] += $7
          if (!$5) { cut[k]++; if ($4 != 0) cutfail[k]++ } else if ($4 != 0) fullfail[k]++ }
        function row(label, a, b, c, d, e, f) {
            printf "%-44s %5d %5d %9d %8d %10d %10d\n", label, a, b, c, d, e, f }
        END {
            printf "%-44s %5s %5s %9s %8s %10s %10s\n", title, "runs", "cut", "cut+fail",
                "claimed", "bad-check", "full+fail"
            for (i = 1; i <= count; i++) {
                k = order[i]
                row(name[k], runs[k], cut[k], cutfail[k], claimed[k], bad[k], fullfail[k])
                t1 += runs[k]; t2 += cut[k]; t3 += cutfail[k]; t4 += claimed[k]; t5 += bad[k]
                t6 += fullfail[k]
            }
            row("all", t1, t2, t3, t4, t5, t6)
        }' "$names" "$work/results"
}

for i in "${!commands[@]}"; do
    printf '%s\t%s\n' "$i" "${commands[$i]//$files\//}"
done >"$work/command-names"
for fault in "${faults[@]}"; do
    printf '%s\t%s\n' "$fault" "$fault=N"
done >"$work/fault-names"

echo "gmousectl write commands under --sim-fault ${faults[*]/%/=N}"
echo "N = ${spread[*]}"
echo "${#commands[@]} commands, $(wc -l <"$work/results") runs, ${took} s with $jobs at once"
echo
print_table "command" 1 "$work/command-names"
echo
print_table "fault" 2 "$work/fault-names"
if [ "$list_runs" = "--runs" ]; then
    echo
    echo "runs that were cut and claimed success, or left a bad check byte:"
    sort -n -k1,1 -k3,3 "$work/results" | while read -r i fault n status full claimed bad; do
        [ "$claimed" -eq 1 ] || [ "$bad" -gt 0 ] || continue
        echo "  ${commands[$i]//$files\//} --sim-fault $fault=$n: exit $status," \
            "$([ "$full" -eq 1 ] && echo "fully written" || echo "cut"), claimed $claimed," \
            "bad check bytes $bad"
    done
fi
