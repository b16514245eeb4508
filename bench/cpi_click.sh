#!/usr/bin/env bash
# Measures the time from a CPI bar click on the Advanced page to the value byte on the virtual
# mouse (the protocol's fixed 100 ms pause after a live write is not counted) and prints it.
# usage: bench/cpi_click.sh [BUILD_DIR] [RUNS]   (defaults: build, 500)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
runs="${2:-500}"
nice -n 10 cmake --build "$build" --target cpi_click >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/cpi_click" "$runs"
