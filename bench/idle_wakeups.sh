#!/usr/bin/env bash
# How often the idle editor wakes, and what it costs: starts the editor on the virtual mouse
# without a display, waits until its first image read is done, then counts the context switches
# of all its threads (voluntary and not) and the processor time they use over IDLE seconds
# (default 30). Each switch is one wake-up of a thread that had blocked or was preempted.
# Usage: bench/idle_wakeups.sh [GMOUSE] [IDLE_SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
gmouse="${1:-$root/build/src/app/gmouse/gmouse}"
idle="${2:-30}"
work="$(mktemp -d)"
chmod 700 "$work"
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

# Its own runtime and temporary folders: an editor already running for this user elsewhere is
# neither asked to come to the front nor disturbed.
GMOUSE_REPORT_SHOWN=1 QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work" XDG_RUNTIME_DIR="$work" \
    TMPDIR="$work" "$gmouse" --simulate >/dev/null 2>"$work/err" &
pid=$!
for _ in $(seq 300); do
    grep -q 'image read' "$work/err" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
grep -q 'image read' "$work/err" || {
    echo "the editor did not read the image" >&2
    cat "$work/err" >&2
    exit 1
}
# Let the redraws that follow the read settle.
sleep 1

# One line per thread of the editor: its id, its context switches and its nanoseconds on a
# processor.
sample() {
    local task
    for task in /proc/"$pid"/task/*; do
        awk -v tid="${task##*/}" '/^(non)?voluntary_ctxt_switches/ { s += $2 }
            END { printf "%s %d ", tid, s }' "$task/status" 2>/dev/null || continue
        awk '{ print $1 + 0 }' "$task/schedstat" 2>/dev/null || echo 0
    done
}

sample >"$work/before"
sleep "$idle"
kill -0 "$pid" 2>/dev/null || {
    echo "the editor ended while idle" >&2
    cat "$work/err" >&2
    exit 1
}
sample >"$work/after"
# A thread that ended meanwhile (Qt's pooled threads end after 30 s unused) takes its counts
# with it: it is counted with one wake-up, the one that ended it.
awk -v i="$idle" 'NR == FNR { s0[$1] = $2; n0[$1] = $3; next }
    { switches += $2 - s0[$1]; ns += $3 - n0[$1]; seen[$1] = 1; threads++ }
    END {
        for (t in s0) if (!(t in seen)) { switches++; ended++ }
        printf "idle for %d s: %d wake-ups, %.2f per second (target <= 1), %d threads (%d ended)\n",
            i, switches, switches / i, threads, ended
        printf "idle CPU %.3f %% of a core (target < 0.1 %%)\n", 100 * ns / 1e9 / i
    }' "$work/before" "$work/after"
