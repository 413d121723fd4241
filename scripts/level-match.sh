#!/usr/bin/env bash
# Measures GNU Go's strength by level: plays headless 9 × 9 games between GNU Go at each
# given level and GNU Go at level 10, over GTP, one game at a time, and prints a summary.
# Usage: scripts/level-match.sh [--levels "1 5 10"] [--games 6] [--seed 1]
set -euo pipefail
export LC_ALL=C # EPOCHREALTIME and printf must use a decimal point

GNUGO=${GNUGO:-/usr/games/gnugo}
LEVELS="1 5 10" GAMES=6 SEED=1 MAX_MOVES=200 KOMI=7 REFERENCE_LEVEL=10
usage() { echo "usage: $0 [--levels \"1 5 10\"] [--games N] [--seed N]" >&2; exit 2; }
while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || usage
  case $1 in
    --levels) LEVELS=$2 ;;
    --games) GAMES=$2 ;;
    --seed) SEED=$2 ;;
    *) usage ;;
  esac
  shift 2
done

WORK=$(mktemp -d)
RESULTS=$WORK/results # one line a game: level lower_won margin seconds
MOVES=$WORK/moves     # one line a genmove: level engine microseconds
touch "$RESULTS" "$MOVES"
PID=() IN=() OUT=()
cleanup() {
  for p in "${PID[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Engine 0 plays at the measured level, engine 1 at the reference level.
start_engine() { # index level seed
  mkfifo "$WORK/in$1" "$WORK/out$1"
  "$GNUGO" --mode gtp --chinese-rules --level "$2" --seed "$3" \
    <"$WORK/in$1" >"$WORK/out$1" 2>/dev/null &
  PID[$1]=$!
  # Opening in this order matches the engine's own opening order, so neither side blocks.
  local w r
  exec {w}>"$WORK/in$1" {r}<"$WORK/out$1"
  IN[$1]=$w OUT[$1]=$r
}

stop_engine() { # index
  printf 'quit\n' >&"${IN[$1]}" || true
  local w=${IN[$1]} r=${OUT[$1]}
  exec {w}>&- {r}<&-
  wait "${PID[$1]}" 2>/dev/null || true
  unset "PID[$1]"
  rm -f "$WORK/in$1" "$WORK/out$1"
}

# Sends one command and leaves the answer, without its "= ", in ANSWER; a "?" answer or a
# dead engine stops the script.
gtp() { # index command
  printf '%s\n' "$2" >&"${IN[$1]}"
  local line
  ANSWER=""
  while IFS= read -r line <&"${OUT[$1]}"; do
    line=${line%$'\r'}
    [ -z "$line" ] && break
    ANSWER+=$line
  done
  [[ $ANSWER == =* ]] || { echo "engine $1: '$2' answered '$ANSWER'" >&2; exit 1; }
  ANSWER=${ANSWER#=}
  ANSWER=${ANSWER# }
}

now_us() { echo "${EPOCHREALTIME/./}"; }

play_game() { # level game-number
  local level=$1 game=$2 colors=(black white)
  start_engine 0 "$level" $((SEED + 2 * game))
  start_engine 1 "$REFERENCE_LEVEL" $((SEED + 2 * game + 1))
  for e in 0 1; do gtp $e "boardsize 9"; gtp $e "clear_board"; gtp $e "komi $KOMI"; done
  local lower_color=$((1 - game % 2)) # the measured level takes black in odd games
  local turn=0 moves=0 passes=0 resigned="" start t0 mover move
  start=$(now_us)
  while ((moves < MAX_MOVES && passes < 2)); do
    mover=$((turn == lower_color ? 0 : 1))
    t0=$(now_us)
    gtp $mover "genmove ${colors[turn]}"
    move=${ANSWER^^}
    echo "$level $mover $(($(now_us) - t0))" >>"$MOVES"
    [ "$move" = RESIGN ] && { resigned=$turn; break; }
    if [ "$move" = PASS ]; then passes=$((passes + 1)); else passes=0; fi
    gtp $((1 - mover)) "play ${colors[turn]} $move"
    moves=$((moves + 1)) turn=$((1 - turn))
  done
  gtp 1 "final_score"
  local score=$ANSWER seconds margin won
  seconds=$(awk -v us=$(($(now_us) - start)) 'BEGIN { printf "%.1f", us / 1e6 }')
  stop_engine 0; stop_engine 1
  # final_score reads "B+3.0", "W+12.0" or "0"; the margin is seen from the measured level.
  local lower_letter=${colors[lower_color]:0:1}
  if [ "$score" = 0 ]; then margin=0
  elif [ "${score:0:1}" = "${lower_letter^^}" ]; then margin=${score:2}
  else margin=-${score:2}; fi
  won=$(awk -v m="$margin" 'BEGIN { print (m > 0) }')
  [ -n "$resigned" ] && won=$((resigned == lower_color ? 0 : 1))
  echo "$level $won $margin $seconds" >>"$RESULTS"
  printf 'level %2s game %2d: level %s as %s, %3d moves%s, score %s, margin %s, %s s\n' \
    "$level" "$game" "$level" "${colors[lower_color]}" "$moves" \
    "${resigned:+, ${colors[resigned]} resigned}" "$score" "$margin" "$seconds"
}

for level in $LEVELS; do
  for game in $(seq 1 "$GAMES"); do play_game "$level" "$game"; done
done

printf '\n%5s %5s %10s %11s %10s %14s\n' level games lower_wins mean_margin mean_s/game median_s/move
for level in $LEVELS; do
  median=$(awk -v l="$level" '$1 == l && $2 == 0 { print $3 }' "$MOVES" | sort -n |
    awk '{ a[NR] = $1 } END { printf "%.2f", (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) / 1e6 }')
  awk -v l="$level" -v median="$median" '$1 == l { n++; w += $2; m += $3; s += $4 }
    END { printf "%5s %5d %10d %11.1f %10.1f %14s\n", l, n, w, m / n, s / n, median }' "$RESULTS"
done
