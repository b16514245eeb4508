#!/usr/bin/env bash
# Sets up the machine, builds, and runs the editor's command-line tool on the virtual mouse:
# writes a factory image, checks it and shows it. Arguments, if any, go to gmousectl instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
BUILD_DIR="$root/build" "$root/scripts/build.sh"
ctl="$root/build/src/app/ctl/gmousectl"
if (($#)); then
    exec "$ctl" "$@"
fi
image="$(mktemp --suffix=.bin)"
trap 'rm -f "$image"' EXIT
"$ctl" image new --chip 4210A --config 1 -o "$image"
"$ctl" image check "$image"
"$ctl" image show "$image"
