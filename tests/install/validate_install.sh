#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop sees there: the program,
# its menu entry, its icon and its software-centre description, each valid and pointing at the
# others.
set -u
build_dir=$1
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
        exit 77
    fi
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null || { echo "install failed"; exit 1; }

status=0
fail() { echo "FAIL: $*"; status=1; }
entry=$prefix/share/applications/org.example.Ardenika.desktop
metainfo=$prefix/share/metainfo/org.example.Ardenika.metainfo.xml
[ -x "$prefix/bin/ardenika" ] || fail "bin/ardenika is missing"
[ -f "$prefix/share/icons/hicolor/scalable/apps/ardenika.svg" ] || fail "the icon is missing"
[ -f "$entry" ] || fail "the menu entry is missing"
[ -f "$metainfo" ] || fail "the metainfo is missing"

# Hints are advice; warnings and errors fail.
if ! report=$(desktop-file-validate "$entry" 2>&1) || grep -Eq '(warning|error):' <<<"$report"; then
    fail "desktop-file-validate: $report"
fi
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$prefix" >/dev/null || fail "appstreamcli validate-tree"

grep -qx 'Exec=ardenika' "$entry" || fail "Exec is not the installed binary's name"
grep -qx 'Icon=ardenika' "$entry" || fail "Icon is not the installed icon's name"
grep -qx 'Exec=env QT_SCALE_FACTOR=2 ardenika' "$entry" || fail "the large-screen action does not start the installed binary"
grep -q '<launchable type="desktop-id">org.example.Ardenika.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch the menu entry"
grep -q '<binary>ardenika</binary>' "$metainfo" || fail "the metainfo does not name the binary"
[ "$status" -eq 0 ] && echo "installed tree is valid"
exit "$status"
