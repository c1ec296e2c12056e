#!/usr/bin/env bash
# Every folder includes only the folders its layer may see: the shells the window logic and the
# help texts, the logic the drawing and the numbers, the drawing the numbers, the numbers and
# the help texts nothing else of the program's. Prints each wrong include and fails on any.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

declare -A sees=(
    [model]="model"
    [render]="render model"
    [dialogs]="dialogs"
    [app]="app render model"
    [desktop]="desktop app dialogs"
    [web]="web app dialogs"
)
status=0
for folder in "${!sees[@]}"; do
    allowed="${sees[$folder]}"
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
done
exit "$status"
