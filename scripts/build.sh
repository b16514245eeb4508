#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build), as BUILD_TYPE (default: Release, what
# packagers build, so its -O3 warnings are seen here too). Extra arguments go to cmake. The
# compiler's output is kept in BUILD_DIR/build.log and shown only when the build fails.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
mkdir -p "$build"
log="$build/build.log"
echo "Building in $build..."
if ! { cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" \
    "$@" && cmake --build "$build"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "build: failed (log above, also in $log)" >&2
    exit 1
fi
