#!/usr/bin/env bash
# Builds the browser program into build-web/ (build-web/ardenika.html, one self-contained page)
# and serves that folder at http://127.0.0.1:8000/ until interrupted.
# Usage: web.sh [--no-serve]   --no-serve: build only.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

serve=1
case "${1:-}" in
    "") ;;
    --no-serve) serve=0 ;;
    *)
        echo "usage: $0 [--no-serve]" >&2
        exit 2
        ;;
esac

bash scripts/deps.sh all
# Debian's emscripten looks for acorn among the system's node modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-web --target ardenika_web -j"$(nproc)"
ls -l build-web/ardenika.html

if [ "$serve" -eq 1 ]; then
    echo "Serving build-web/ at http://127.0.0.1:8000/ardenika.html (Ctrl+C stops)"
    exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web
fi
