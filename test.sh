#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/packages.sh
./scripts/build.sh
ctest --test-dir "${HOSHI_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
if [ -x scripts/fuzz.sh ]; then
  ./scripts/fuzz.sh
fi
