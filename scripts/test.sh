#!/usr/bin/env bash
# Checks the formatting, then builds Ardenika with its test suites and runs them three times: a
# release build in build/ (the benchmarks compiled too), a build with AddressSanitizer,
# LeakSanitizer and UBSan in build-asan/ (CMakePresets.json), and the WebAssembly build in
# build-web/: the standard-library tests under node and the page in
# headless Chromium. Exits non-zero on any failure in any run.
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

exit "$status"
