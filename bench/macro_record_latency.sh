#!/usr/bin/env bash
# Measures the time from a key event to its line in the macro editor's event list while
# recording (capture, recorder, list and its paint) and prints it.
# usage: bench/macro_record_latency.sh [BUILD_DIR] [EVENTS]   (defaults: build, 200)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
events="${2:-200}"
nice -n 10 cmake --build "$build" --target macro_record_latency >/dev/null
QT_QPA_PLATFORM=offscreen "$build/bench/macro_record_latency" "$events"
