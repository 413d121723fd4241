#!/usr/bin/env bash
# Builds the libFuzzer target of the engine's answer framing and parsing and
# runs it for a bounded number of inputs (20 s at most). Skipped without clang;
# any crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$CLANG" ]; then
  echo "hoshi: clang++ not found, fuzzing skipped"
  exit 0
fi
OUT="${HOSHI_BUILD_DIR:-build}/fuzz"
mkdir -p "$OUT/corpus"
"$CLANG" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
  fuzz/GTPAnswerFuzzer.cpp engine/GTPAnswer.cpp engine/GTPAnswerFramer.cpp engine/GTPCommandText.cpp \
  engine/ShellWords.cpp rules/Log.cpp -o "$OUT/gtp_answer_fuzzer"
"$OUT/gtp_answer_fuzzer" -runs="${HOSHI_FUZZ_RUNS:-300000}" -max_total_time=20 -max_len=4096 \
  -print_final_stats=1 -artifact_prefix="$OUT/" "$OUT/corpus" fuzz/corpus 2>&1 | tee "$OUT/fuzz.log" | tail -n 25
# libFuzzer's own status is that of the pipeline's first command.
status=${PIPESTATUS[0]}
if [ "$status" -ne 0 ]; then
  echo "hoshi: the fuzzer found a crash (see $OUT)"
  exit "$status"
fi
grep -E 'stat::number_of_executed_units' "$OUT/fuzz.log" | sed 's/^/hoshi: fuzz /'
