#!/usr/bin/env bash
# Builds the page (scripts/web.sh --no-serve) and prints its benchmark in headless Chromium, on
# the processor as it is and slowed four and six times: start-up, the first colour map after it
# against later ones, the medians of the three automatic picture commands and of a dragged
# charge's frame at the 14-charge case with each pass of that frame, and the page's size.
# Usage: web-bench.sh [repetitions]   (ARDENIKA_CPU_SLOWDOWNS=1,4,6 chooses the slowdowns)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/web.sh --no-serve >&2
npm ci --prefix tests/web --no-audit --no-fund >&2
ARDENIKA_HTML="$root/build-web/ardenika.html" node tests/web/bench.js "$@"
