#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test; then builds the core with
# AddressSanitizer and UndefinedBehaviorSanitizer, and again with ThreadSanitizer (the session's
# status listener runs beside the driver's transfers), and runs the core tests under each; last,
# with clang, runs each libFuzzer target for a bounded time (FUZZ_SECONDS, default 30).
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

# The fuzzers need clang's libFuzzer; without clang they are left out, and said so.
if command -v clang++ >/dev/null 2>&1; then
    fuzz="$root/build-fuzz"
    mkdir -p "$fuzz"
    echo "Building the fuzzers in $fuzz..."
    if ! { cmake -S "$root" -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_COMPILER=clang++ -DGM_CORE_ONLY=ON -DGM_BUILD_BENCH=OFF \
        -DGM_SANITIZE=address,undefined -DGM_FUZZ=ON &&
        cmake --build "$fuzz" --target macro_area_fuzz; } >"$fuzz/build.log" 2>&1; then
        cat "$fuzz/build.log" >&2
        echo "test: building the fuzzers failed (log above, also in $fuzz/build.log)" >&2
        exit 1
    fi
    for target in macro_area; do
        found="$(mktemp -d)"
        # New inputs go to a scratch folder; the committed seeds are only read.
        status=0
        "$fuzz/tests/fuzz/${target}_fuzz" -max_total_time="${FUZZ_SECONDS:-30}" \
            -print_final_stats=1 -artifact_prefix="$fuzz/$target-" \
            "$found" "$root/tests/fuzz/corpus/$target" \
            >"$fuzz/$target.log" 2>&1 || status=$?
        rm -rf "$found"
        grep -E '^(stat::number_of_executed_units|Done )' "$fuzz/$target.log" || true
        if [ "$status" -ne 0 ]; then
            cat "$fuzz/$target.log" >&2
            echo "test: the $target fuzzer found a fault (log above)" >&2
            exit 1
        fi
    done
else
    echo "test: clang++ not found; the libFuzzer targets were not run" >&2
fi
