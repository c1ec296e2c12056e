#!/usr/bin/env bash
# The README's table of layers says what the build's layer map says: the same folders, each
# allowed the same others. Prints each difference and fails on any.
set -euo pipefail
map=$(realpath "$1")
readme="$(dirname "${BASH_SOURCE[0]}")/../../README.md"

# The folders named in backquotes in a cell, as "a b c", sorted.
# shellcheck disable=SC2016 # the backquotes are literal
folders() { { grep -oE '`[a-z]+/`' <<<"$1" || true; } | tr -d '`/' | sort | xargs; }

declare -A told
in_table=0
while IFS= read -r row; do
    if [[ $row == "| Folder | May include |" ]]; then
        in_table=1
        continue
    fi
    ((in_table)) || continue
    [[ $row == "|---"* ]] && continue
    [[ $row == "|"* ]] || break
    IFS='|' read -r _ folder seen _ <<<"$row"
    told[$(folders "$folder")]=$(folders "$seen")
done <"$readme"

status=0
if ((${#told[@]} == 0)); then
    echo "README.md: no table of layers (| Folder | May include |)"
    exit 1
fi
while IFS=: read -r folder allowed; do
    [[ -n $folder ]] || continue
    wanted=$(tr ' ' '\n' <<<"$allowed" | grep -vx "$folder" | grep . | sort | xargs || true)
    if [[ ! -v told[$folder] ]]; then
        echo "README.md: the table of layers has no row for $folder/"
        status=1
    elif [[ ${told[$folder]} != "$wanted" ]]; then
        echo "README.md: $folder/ may include \"$wanted\" in the build, \"${told[$folder]}\" in the table"
        status=1
    fi
    unset "told[$folder]"
done <"$map"
for folder in "${!told[@]}"; do
    echo "README.md: the table of layers has a row for $folder/, which the build's map lacks"
    status=1
done
exit "$status"
