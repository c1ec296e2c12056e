#!/usr/bin/env bash
# The real program under a virtual display: choose the positive tool, click the board, find the
# marker on the right screen pixel, then leave through "&Koniec" and expect exit status 0.
set -u
binary=$1
for tool in xvfb-run xdotool import convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
        exit 77
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/drive.sh" <<'DRIVE'
#!/usr/bin/env bash
set -u
binary=$1; work=$2
"$binary" &
pid=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --name '^Ardenika$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "no window appeared"; kill "$pid"; exit 1; }
# The board starts 204 pixels right of the client's left edge and right below the menu bar;
# find it as the first row of the black frame in column 204 + 100, once the window is drawn.
board_top=""
for _ in $(seq 50); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root "$work/before.png"
    for y in $(seq "$Y" $((Y + 80))); do
        colour=$(convert "$work/before.png" -format "%[pixel:p{$((X + 304)),$y}]" info:)
        case "$colour" in black|"srgb(0,0,0)"|"gray(0)") board_top=$y; break ;; esac
    done
    [ -n "$board_top" ] && break
    sleep 0.2
done
[ -n "$board_top" ] || { echo "board frame not found"; kill "$pid"; exit 1; }
board_left=$((X + 204))
# The positive tool sits at (8, 18) inside the charge group box at (8, 168).
xdotool mousemove $((X + 8 + 8 + 13)) $((board_top + 168 + 18 + 13)) click 1
sleep 0.3
xdotool mousemove $((board_left + 300)) $((board_top + 100)) click 1
at() { convert "$work/after.png" -format "%[pixel:p{$1,$2}]" info: | tr -d ' '; }
# Wait for the marker to be shown; a loaded machine may take a moment to repaint.
for _ in $(seq 50); do
    import -window root "$work/after.png"
    left_of_centre=$(at $((board_left + 300 - 8)) $((board_top + 100)))
    [ "$left_of_centre" = "srgb(224,28,0)" ] && break
    sleep 0.1
done
plus_centre=$(at $((board_left + 300)) $((board_top + 100)))
outside=$(at $((board_left + 300 - 12)) $((board_top + 100)))
echo "disc: $left_of_centre, plus: $plus_centre, outside: $outside"
ok=1
case "$left_of_centre" in "srgb(224,28,0)") ;; *) ok=0 ;; esac
case "$plus_centre" in white|"srgb(255,255,255)"|"gray(255)") ;; *) ok=0 ;; esac
case "$outside" in white|"srgb(255,255,255)"|"gray(255)") ;; *) ok=0 ;; esac
# "&Koniec" answers Alt+K.
xdotool windowfocus "$window" 2>/dev/null
xdotool key alt+k
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then echo "still running after Koniec"; kill "$pid"; exit 1; fi
wait "$pid"; status=$?
echo "exit status $status"
[ "$ok" = 1 ] && [ "$status" = 0 ]
DRIVE
chmod +x "$work/drive.sh"
xvfb-run -a -s "-screen 0 1024x768x24" "$work/drive.sh" "$binary" "$work"
