#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/packages.sh
./scripts/build.sh
BIN="${HOSHI_BUILD_DIR:-build}/app/hoshi"
if [ ! -x "$BIN" ]; then
  echo "hoshi: the libraries are built; the game window ($BIN) is not there yet."
  exit 0
fi
exec "$BIN" "$@"
