#!/usr/bin/env bash
# Checks the formatting, then builds Ardenika with its test suites and runs them three times: a
# release build in build/ (the benchmarks compiled too), a build with AddressSanitizer,
# LeakSanitizer and UBSan in build-asan/ (CMakePresets.json), and the WebAssembly build in
# build-web/: the standard-library tests under node and the page in
# headless Chromium. Then it fuzzes the setup and picture readers in build-fuzz/. Exits non-zero
# on any failure in any run.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/deps.sh all

jobs="$(nproc)"
status=0

# configure, build and test one preset; a failure is reported and the next run still goes ahead
run_preset() {
    local preset=$1
    echo "== $preset: build and test"
    cmake --preset "$preset" &&
        cmake --build --preset "$preset" -j"$jobs" &&
        ctest --preset "$preset"
}

run_web() {
    echo "== web: build and test"
    # Debian's emcc finds its JavaScript tools' modules there.
    export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
    # The desktop's boards for the page's scenarios, from the release build's window logic.
    cmake --preset release >/dev/null &&
        cmake --build build --target board_reference -j"$jobs" &&
        build/tests/board_reference tests/web/scenarios.txt build-web/reference &&
        bash scripts/web.sh --no-serve &&
        cmake --build build-web --target core_tests app_tests dialogs_tests -j"$jobs" &&
        npm ci --prefix tests/web --no-audit --no-fund &&
        ctest --test-dir build-web -j"$jobs" --output-on-failure --no-tests=error
}

# The setup and picture readers under libFuzzer, built with clang, for a fixed number of inputs
# from a fixed seed, each up to 8 KiB from the first run on (room for a setup past its 1000
# steps). The committed seeds in tests/fuzz/corpus are only read: what the fuzzer finds goes to
# build-fuzz/corpus, a crashing input to build-fuzz/artifacts.
run_fuzz() {
    echo "== fuzz: build and run"
    local dir=build-fuzz
    cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DARDENIKA_FUZZ=ON -DARDENIKA_QT=OFF -DARDENIKA_TESTS=OFF -DARDENIKA_BENCH=OFF \
        -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null &&
        cmake --build "$dir" --target setup_fuzz -j"$jobs" &&
        rm -rf "$dir/corpus" "$dir/artifacts" &&
        mkdir -p "$dir/corpus" "$dir/artifacts" &&
        "$dir/tests/fuzz/setup_fuzz" -runs=200000 -max_len=8192 -len_control=0 -seed=1 -timeout=10 \
            -dict=tests/fuzz/setup_fuzz.dict -artifact_prefix="$dir/artifacts/" \
            -print_final_stats=1 "$dir/corpus" tests/fuzz/corpus
}

echo "== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror || { echo "== format: FAILED"; status=1; }

SECONDS=0
run_preset release || { echo "== release: FAILED"; status=1; }
echo "== release: ${SECONDS} s"

SECONDS=0
run_preset asan || { echo "== asan: FAILED"; status=1; }
echo "== asan: ${SECONDS} s"

SECONDS=0
run_web || { echo "== web: FAILED"; status=1; }
echo "== web: ${SECONDS} s"

SECONDS=0
run_fuzz || { echo "== fuzz: FAILED"; status=1; }
echo "== fuzz: ${SECONDS} s"

exit "$status"
