#!/usr/bin/env bash
# Builds the libFuzzer target of the engine's answer framing and parsing (only
# when a source changed) and runs it for a bounded number of inputs (20 s at
# most). Skipped without clang; any crash fails the run. The fuzzer's own
# output goes to build/fuzz/fuzz.log; one summary line is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$CLANG" ]; then
  echo "hoshi: clang++ not found, fuzzing skipped"
  exit 0
fi
OUT="${HOSHI_BUILD_DIR:-build}/fuzz"
BIN="$OUT/gtp_answer_fuzzer"
SOURCES=(fuzz/GTPAnswerFuzzer.cpp engine/GTPAnswer.cpp engine/GTPAnswerFramer.cpp engine/GTPCommandText.cpp
         engine/ShellWords.cpp rules/Log.cpp)
mkdir -p "$OUT/corpus"
stale=0
for f in "${SOURCES[@]}" engine/*.h rules/*.h settings/*.h; do
  if [ ! -f "$BIN" ] || [ "$f" -nt "$BIN" ]; then stale=1; fi
done
if [ "$stale" -eq 1 ]; then
  "$CLANG" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
    "${SOURCES[@]}" -o "$BIN"
fi
set +e
"$BIN" -runs="${HOSHI_FUZZ_RUNS:-300000}" -max_total_time=20 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$OUT/" "$OUT/corpus" fuzz/corpus > "$OUT/fuzz.log" 2>&1
status=$?
set -e
if [ "$status" -ne 0 ]; then
  tail -n 40 "$OUT/fuzz.log"
  echo "hoshi: the fuzzer found a crash (see $OUT)"
  exit "$status"
fi
runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$OUT/fuzz.log" | grep -oE '[0-9]+$')
echo "hoshi: fuzzing the GTP answer reader: ${runs:-?} inputs, no crash"
