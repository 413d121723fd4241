#!/usr/bin/env bash
# What a screen reader finds and hears of hoshi; run by hand, not by ./test.sh.
# Under Xvfb, with a session D-Bus and the AT-SPI bus it starts, hoshi is driven
# by keys alone: Black against GNU Go (seeded), three moves and a refused one.
# Printed: the AT-SPI events a reader speaks as they came (the focus moving, the
# focused object's description changing, a notification showing); what Orca
# said, when Orca is installed (it runs without a speech server: its debug log
# keeps every line it would speak); then the window's accessible tree.
# Needs the Debian packages xvfb, xdotool, at-spi2-core, python3-pyatspi and,
# for Orca's words, orca.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${HOSHI_BUILD_DIR:-build}"
if [ "${1:-}" != "--in-session" ]; then
  exec dbus-run-session -- "$0" --in-session
fi

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; echo "timed out: $1" >&2; return 1; }

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
wait_for '[ -s "$work/display" ]'
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOSHI_SOUND=off
export HOSHI_ENGINE="/usr/games/gnugo --mode gtp --seed 1"

orca=""
if command -v orca >/dev/null; then
  mkdir -p "$XDG_DATA_HOME/orca"
  cat >"$XDG_DATA_HOME/orca/orca-customizations.py" <<'PY'
# Every line Orca would speak goes to its debug log, line by line; no speech server is started.
import orca.debug
import orca.speech
if orca.debug.debugFile:
    orca.debug.debugFile.reconfigure(line_buffering=True)
orca.speech._initSpeechServer = lambda *arguments: None
PY
  orca --replace --debug-file="$work/orca.log" >/dev/null 2>&1 &
  orca=$!
  wait_for 'grep -q "Screen reader on" "$work/orca.log" 2>/dev/null'
fi
/usr/bin/python3 scripts/screen-reader-check.py listen >"$work/heard" 2>&1 &
pids+=($!)
wait_for 'grep -q listening "$work/heard"'
"$BUILD_DIR/app/hoshi" >"$work/hoshi.log" 2>&1 &
pids+=($!)
window="$(xdotool search --sync --onlyvisible --name '^hoshi')"
keys() {
  echo "keys: $*" >>"$work/heard"
  xdotool windowfocus --sync "$window" key --delay 400 "$@"
  sleep 3 # the next screen, GNU Go's answer
}
keys Tab space                 # the menu: Play against GNU Go as Black
keys Tab Tab Tab Tab space     # the setup: past its two sliders, the counting and Back to Play
keys e 5 Return                # Black E5
keys Left Left Down Down Return
keys Right Right Right Right Up Return
keys Return                    # again, where a stone now is

echo "== AT-SPI events"
grep -v listening "$work/heard"
if [ -n "$orca" ]; then
  echo
  echo "== Orca said"
  sed -En "s/.*SPEECH OUTPUT: '(.*)' ?\{.*/\1/p" "$work/orca.log"
fi
echo
echo "== The accessible tree"
/usr/bin/python3 scripts/screen-reader-check.py tree
xdotool windowfocus --sync "$window" key ctrl+q
if [ -n "$orca" ]; then
  { kill -INT "$orca" && wait "$orca"; } 2>/dev/null || true # Orca ends itself with SIGKILL
fi
