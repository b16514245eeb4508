#!/usr/bin/env bash
# Idle cost of the device session: runs `gmousectl watch --simulate --for SECONDS` (default 10)
# and prints the CPU time it used as a percentage of one core over its wall time. Target: < 1%.
# Usage: tools/measure_idle.sh [GMOUSECTL] [SECONDS]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
ctl="${1:-$root/build/src/app/ctl/gmousectl}"
seconds="${2:-10}"
if [[ ! -x "$ctl" ]]; then
    echo "measure_idle: $ctl is not built (scripts/build.sh builds it)" >&2
    exit 2
fi
TIMEFORMAT='%R %U %S'
# `time` reports wall, user and system seconds of the pipeline on standard error.
figures="$({ time "$ctl" watch --simulate --for "$seconds" >/dev/null; } 2>&1 | tail -n 1)"
read -r wall user system <<<"$figures"
awk -v w="$wall" -v u="$user" -v s="$system" -v cmd="$ctl watch --simulate --for $seconds" 'BEGIN {
    printf "%s\n  wall %.2f s, cpu %.3f s (user %.3f, system %.3f): %.3f%% of one core\n",
           cmd, w, u + s, u, s, 100 * (u + s) / w
}'
