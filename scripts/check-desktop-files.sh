#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop sees of it:
# the desktop entry and the AppStream metadata pass their validators without a
# warning, every icon size is there, and the installed program answers --version.
set -euo pipefail
build="${1:-build}"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
id=io.github.hoshi
status=0
fail() { echo "$*"; status=1; }
report="$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1)" || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
report="$(appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" 2>&1)" || true
echo "$report" | grep -q "Validation was successful" && ! echo "$report" | grep -qE '^[WE]:' \
  || fail "appstreamcli: $report"
for size in 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}x${size} icon"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
version="$("$prefix/games/hoshi" --version)"
[[ "$version" =~ ^hoshi\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "hoshi --version says: $version"
exit "$status"
