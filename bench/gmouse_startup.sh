#!/usr/bin/env bash
# Start-up time, peak memory and idle cost of the editor on the virtual mouse, without a display:
# the time from process start to the window's first paint, the peak resident set size, and the
# CPU used over IDLE seconds (default 10) once the image has been read.
# Usage: bench/gmouse_startup.sh [GMOUSE] [IDLE_SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
gmouse="${1:-$root/build/src/app/gmouse/gmouse}"
idle="${2:-10}"
work="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

start=$(date +%s%N)
GMOUSE_REPORT_SHOWN=1 QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work" XDG_RUNTIME_DIR="$work" \
    "$gmouse" --simulate 2>"$work/err" &
pid=$!
for _ in $(seq 100); do
    grep -q 'shown at' "$work/err" && break
    sleep 0.1
done
shown=$(sed -n 's/.*shown at \([0-9]*\).*/\1/p' "$work/err" | head -1)
cpu=$(sed -n 's/.* after \([0-9.]*\) ms of processor time.*/\1/p' "$work/err" | head -1)
[ -n "$shown" ] || { echo "gmouse did not show its window" >&2; cat "$work/err" >&2; exit 1; }

# The first poll waits 2.1 s for the population to settle, then reads the image.
sleep 4
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$idle"
after=$(ticks)
peak=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")

awk -v s="$start" -v w="$shown" -v c="$cpu" -v p="$peak" -v b="$before" -v a="$after" -v hz="$hz" -v i="$idle" '
BEGIN {
    printf "window shown after %.0f ms (target < 80 ms), %.0f ms of processor time\n", (w - s) / 1e6, c
    printf "peak RSS %.1f MB (target < 60 MB)\n", p / 1024
    printf "idle CPU %.2f %% of a core over %d s (target < 1 %%)\n", 100 * (a - b) / hz / i, i
}'
