#!/usr/bin/env bash
# Builds the page (scripts/web.sh --no-serve) and prints its benchmark in headless Chromium: the
# first colour map after start-up and the medians of the three automatic picture commands at
# the 14-charge case. Usage: web-bench.sh [repetitions]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/web.sh --no-serve >&2
npm ci --prefix tests/web --no-audit --no-fund >&2
ARDENIKA_HTML="$root/build-web/ardenika.html" node tests/web/bench.js "$@"
