#!/usr/bin/env bash
# Calibrates the opponent's strength steps: plays headless 9 × 9 games between each step and the
# step above it (area rules, komi 7, colours alternating, seeded), one game at a time, through
# build/bench/strength_match, and prints a table of how often the upper step won.
# Usage: scripts/level-match.sh [--pairs "beginner-1:beginner-2 gnugo-1:gnugo-mc"] [--games 40] [--seed 1]
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
MATCH=${HOSHI_BUILD_DIR:-build}/bench/strength_match
PAIRS="" GAMES=40 SEED=1
usage() { echo "usage: $0 [--pairs \"LOWER:UPPER ...\"] [--games N] [--seed N]" >&2; exit 2; }
while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || usage
  case $1 in
    --pairs) PAIRS=$2 ;;
    --games) GAMES=$2 ;;
    --seed) SEED=$2 ;;
    *) usage ;;
  esac
  shift 2
done
[ -x "$MATCH" ] || { echo "build $MATCH first: cmake --build build --target strength_match" >&2; exit 1; }
if [ -z "$PAIRS" ]; then
  previous=""
  for step in $("$MATCH" --list); do
    [ -n "$previous" ] && PAIRS+="$previous:$step "
    previous=$step
  done
fi

RESULTS=$(mktemp)
trap 'rm -f "$RESULTS"' EXIT
for pair in $PAIRS; do
  echo "== ${pair%%:*} against ${pair##*:}"
  "$MATCH" --lower "${pair%%:*}" --upper "${pair##*:}" --games "$GAMES" --seed "$SEED" |
    while IFS= read -r line; do
      echo "$line"
      if [[ $line == RESULT* ]]; then echo "$line" >>"$RESULTS"; fi
    done
done

echo
echo "| step | against the step above | games | the step above won | mean margin | s/move (step, above) |"
echo "|---|---|---|---|---|---|"
awk '{ printf "| %s | %s | %d | %d (%.0f %%) | %+.1f | %s, %s |\n", $2, $3, $4, $5, 100 * $5 / $4, $6, $7, $8 }' "$RESULTS"
awk '100 * $5 / $4 < 65 { bad = bad " " $2 ":" $3 } END { if (bad != "") print "\nbelow 65 %:" bad }' "$RESULTS"
