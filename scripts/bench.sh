#!/usr/bin/env bash
# Builds the benchmarks in Release and prints their results as Google Benchmark JSON.
# Extra arguments go to the benchmark binary (for example --benchmark_repetitions=10).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/deps.sh >&2
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DARDENIKA_BENCH=ON -DARDENIKA_TESTS=OFF >&2
cmake --build build-bench -j"$(nproc)" --target ardenika_bench >&2
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
    build-bench/bench/ardenika_bench --benchmark_format=json "$@"
