#!/usr/bin/env bash
# Builds Ardenika with its test suites and runs them all twice: a release build in build/, then a
# build with AddressSanitizer, LeakSanitizer and UBSan in build-asan/ (CMakePresets.json).
# Exits non-zero on any failure in either run.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/deps.sh

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

SECONDS=0
run_preset release || { echo "== release: FAILED"; status=1; }
echo "== release: ${SECONDS} s"

SECONDS=0
run_preset asan || { echo "== asan: FAILED"; status=1; }
echo "== asan: ${SECONDS} s"

exit "$status"
