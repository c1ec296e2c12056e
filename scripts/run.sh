#!/usr/bin/env bash
# Builds Ardenika in release mode and starts it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/deps.sh desktop
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --target ardenika -j"$(nproc)"
exec ./build/ardenika
