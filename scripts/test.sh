#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test; then builds the core with
# AddressSanitizer and UndefinedBehaviorSanitizer, and again with ThreadSanitizer (the session's
# status listener runs beside the driver's transfers), and runs the core tests under each.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"

# Every C++ file is kept as clang-format writes it; a difference fails the run before building.
if ! (cd "$root" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror); then
    echo "test: the files above are not clang-format clean (run clang-format -i on them)" >&2
    exit 1
fi

BUILD_DIR="$root/build" "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j2

BUILD_DIR="$root/build-asan" BUILD_TYPE=Debug "$root/scripts/build.sh" \
    -DGM_CORE_ONLY=ON -DGM_SANITIZE=address,undefined
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure -j2

BUILD_DIR="$root/build-tsan" BUILD_TYPE=Debug "$root/scripts/build.sh" \
    -DGM_CORE_ONLY=ON -DGM_SANITIZE=thread
TSAN_OPTIONS=halt_on_error=1 ctest --test-dir "$root/build-tsan" --output-on-failure -j2
