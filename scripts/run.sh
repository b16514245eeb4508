#!/usr/bin/env bash
# Sets up the machine, builds, and starts the editor: on the attached mouse when it may be
# opened, otherwise on the virtual mouse (the status line says which). Arguments go to gmouse
# (for example --simulate=4230A).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
BUILD_DIR="$root/build" "$root/scripts/build.sh"
exec "$root/build/src/app/gmouse/gmouse" "$@"
