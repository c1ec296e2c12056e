#!/usr/bin/env bash
# Builds Ardenika with its test suites and runs them all; exits non-zero on any failure.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DARDENIKA_TESTS=ON
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure --no-tests=error
