#!/usr/bin/env bash
# Wall and CPU time of one gmousectl command on the virtual mouse, averaged over RUNS runs.
# Usage: bench/command_time.sh GMOUSECTL [RUNS] [COMMAND...]   (default: 50 runs of info)
set -euo pipefail
ctl="$1"
runs="${2:-50}"
shift $(($# >= 2 ? 2 : 1))
command=("$@")
((${#command[@]})) || command=(info)
times="$(mktemp)"
trap 'rm -f "$times"' EXIT
/usr/bin/time -f "%e %U %S" -o "$times" \
    bash -c 'for ((i = 0; i < $1; i++)); do "${@:2}" >/dev/null; done' _ "$runs" "$ctl" \
    "${command[@]}" --simulate
read -r wall user sys <"$times"
awk -v w="$wall" -v u="$user" -v s="$sys" -v n="$runs" -v c="${command[*]}" 'BEGIN {
    printf "gmousectl %s --simulate: %.1f ms wall, %.1f ms CPU per run (%d runs; target < 15 ms wall)\n",
        c, 1000 * w / n, 1000 * (u + s) / n, n }'
