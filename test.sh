#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/packages.sh
./scripts/build.sh
# The fuzzer runs first so that ctest's summary is the last thing printed.
fuzz_status=0
if [ -x scripts/fuzz.sh ]; then
  ./scripts/fuzz.sh || fuzz_status=$?
fi
ctest --test-dir "${HOSHI_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
exit "$fuzz_status"
