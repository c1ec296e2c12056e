#!/usr/bin/env bash
# Every folder includes only the folders its layer may see, as the build's layer map says (one
# line a folder: "folder: seen seen..."). Prints each wrong include and fails on any.
set -euo pipefail
map=$(realpath "$1")
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

status=0
while IFS=: read -r folder allowed; do
    [[ -n $folder ]] || continue
    while IFS=: read -r file line text; do
        target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
        case " $allowed " in
        *" $target "*) ;;
        *)
            echo "$file:$line: $folder/ may not include $target/ ($text)"
            status=1
            ;;
        esac
    done < <(grep -nE '^\s*#\s*include "[^"/]+/' -r "$folder" --include='*.cpp' --include='*.h' --with-filename || true)
done <"$map"
exit "$status"
