#!/usr/bin/env bash
# Start-up time, peak memory and idle cost of the editor on the virtual mouse, without a display:
# the time from process start until the window's first paint is done (median of RUNS starts,
# default 5), the same for an empty Qt window of the editor's size on this machine (the baseline:
# what Qt alone costs here), the peak resident set size, and the CPU used over IDLE seconds
# (default 10) once the image has been read.
# Usage: bench/gmouse_startup.sh [GMOUSE] [IDLE_SECONDS] [RUNS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
gmouse="${1:-$root/build/src/app/gmouse/gmouse}"
idle="${2:-10}"
runs="${3:-5}"
bare="$(dirname "$gmouse")/../../../bench/bare_window"
work="$(mktemp -d)"
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

# Starts PROGRAM ARGS... in the background (pid in $pid) and sets $sample to "wall-ms cpu-ms" of
# its first paint, as reported on standard error.
start_and_time() {
    local start shown cpu
    rm -f "$work/err"
    start=$(date +%s%N)
    GMOUSE_REPORT_SHOWN=1 QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work" XDG_RUNTIME_DIR="$work" \
        "$@" >/dev/null 2>"$work/err" &
    pid=$!
    for _ in $(seq 100); do
        grep -q 'shown at' "$work/err" 2>/dev/null && break
        sleep 0.1
    done
    shown=$(sed -n 's/.*shown at \([0-9]*\).*/\1/p' "$work/err" | head -1)
    cpu=$(sed -n 's/.* after \([0-9.]*\) ms of processor time.*/\1/p' "$work/err" | head -1)
    [ -n "$shown" ] || { echo "$1 did not show its window" >&2; cat "$work/err" >&2; exit 1; }
    sample=$(awk -v s="$start" -v w="$shown" -v c="$cpu" 'BEGIN { printf "%.0f %.0f", (w - s) / 1e6, c }')
}

# Sets $median to the median "wall-ms cpu-ms" over $runs starts of PROGRAM ARGS...
median_start() {
    local samples=()
    for _ in $(seq "$runs"); do
        start_and_time "$@"
        samples+=("$sample")
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    median=$(printf '%s\n' "${samples[@]}" | sort -n | awk '{ w[NR] = $1; c[NR] = $2 }
        END { m = int((NR + 1) / 2); printf "%d %d", w[m], c[m] }')
}

median_start "$gmouse" --simulate
read -r wall cpu <<<"$median"
echo "window shown after ${wall} ms (target < 80 ms), ${cpu} ms of processor time (median of $runs)"
if [ -x "$bare" ]; then
    median_start "$bare"
    read -r bare_wall bare_cpu <<<"$median"
    echo "an empty Qt window on this machine: ${bare_wall} ms, ${bare_cpu} ms of processor time;" \
        "the editor's own part: $((wall - bare_wall)) ms"
fi

# One more start for memory and the idle cost; the first poll waits 2.1 s for the population to
# settle, then reads the image.
start_and_time "$gmouse" --simulate
sleep 4
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$idle"
after=$(ticks)
peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
awk -v p="$peak" -v b="$before" -v a="$after" -v hz="$hz" -v i="$idle" 'BEGIN {
    printf "peak RSS %.1f MB (target < 60 MB)\n", p / 1024
    printf "idle CPU %.2f %% of a core over %d s (target < 1 %%)\n", 100 * (a - b) / hz / i, i
}'
