#!/usr/bin/env bash
# Builds the libFuzzer targets (only when a source changed) and runs each for
# a bounded number of inputs (10 s at most each): the engine's answer framing
# and parsing, the SGF reader and the coach's answer reader. Skipped without clang; any crash fails the
# run. Each fuzzer's own output goes to build/fuzz/<name>.log; one summary
# line is printed per fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."
CLANG="$(command -v clang++-14 || command -v clang++ || true)"
if [ -z "$CLANG" ]; then
  echo "hoshi: clang++ not found, fuzzing skipped"
  exit 0
fi
OUT="${HOSHI_BUILD_DIR:-build}/fuzz"
VERSION="$(sed -nE 's/^project\(hoshi VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)"

# fuzz <name> <what it reads> <seed corpus> <sources...>
fuzz() {
  local name="$1" what="$2" seeds="$3"
  shift 3
  local bin="$OUT/$name" corpus="$OUT/corpus-$name" log="$OUT/$name.log"
  mkdir -p "$corpus"
  local stale=0
  for f in "$@" engine/*.h rules/*.h settings/*.h sgf/*.h coach/*.h; do
    if [ ! -f "$bin" ] || [ "$f" -nt "$bin" ]; then stale=1; fi
  done
  if [ "$stale" -eq 1 ]; then
    "$CLANG" -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I. \
      -DHOSHI_VERSION="\"$VERSION\"" "$@" -o "$bin"
  fi
  set +e
  "$bin" -runs="${HOSHI_FUZZ_RUNS:-300000}" -max_total_time=10 -max_len=4096 \
    -print_final_stats=1 -artifact_prefix="$OUT/$name-" "$corpus" "$seeds" > "$log" 2>&1
  local status=$?
  set -e
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "hoshi: the fuzzer of the $what found a crash (see $OUT)"
    exit "$status"
  fi
  local runs
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
  echo "hoshi: fuzzing the $what: ${runs:-?} inputs, no crash"
}

fuzz gtp_answer_fuzzer "GTP answer reader" fuzz/corpus \
  fuzz/GTPAnswerFuzzer.cpp engine/GTPAnswer.cpp engine/GTPAnswerFramer.cpp engine/GTPCommandText.cpp \
  engine/ShellWords.cpp rules/Log.cpp rules/NumberText.cpp
fuzz sgf_reader_fuzzer "SGF reader" fuzz/corpus-sgf \
  fuzz/SGFReaderFuzzer.cpp sgf/*.cpp rules/*.cpp settings/*.cpp
fuzz gnugo_answers_fuzzer "coach's answer reader" fuzz/corpus-coach \
  fuzz/GnuGoAnswersFuzzer.cpp coach/GnuGoAnswers.cpp rules/*.cpp settings/*.cpp
