#!/usr/bin/env bash
# Which estimate of "the move lost N points" is steadier? On positions of seeded GNU Go
# self-play games (level 10), for moves of four kinds (the game's own, the second best, a fill of
# own territory, a move elsewhere while a big group needs saving), compares:
#   (a) values: top_moves_COLOR's best value minus the played move's value, both from the
#       position before the move; a move outside the top ten takes its value from
#       all_move_values, and a move GNU Go gives no value counts 0;
#   (b) scores: experimental_score (and, beside it, estimate_score) after the best move
#       minus after the move played, each seen from the mover (play, score, undo).
# Every loss is measured by analysers started with each --seed, to see whether the answer
# changes, and set against a referee: both moves played out to the end by GNU Go itself,
# the difference of the two final_scores. Then it times each analysis command, cold (first
# command on a new position, fresh process) and warm (after top_moves). Prints every case
# and a summary; takes about half an hour for four games.
# Usage: scripts/coach-loss-measure.sh [--games 4] [--seeds "1 2 3"] [--game-seed 1] [--referee-seeds "1 2"]
set -euo pipefail
export LC_ALL=C # EPOCHREALTIME and awk must use a decimal point

GNUGO=${GNUGO:-/usr/games/gnugo}
GAMES=4 SEEDS="1 2 3" GAME_SEED=1 KOMI=7
STOPS="12 24 36" # moves played before the positions that give the game, second and slack cases
BLUNDERS_PER_GAME=2 BLUNDER_GAP=8 BIG_GROUP=5
REFEREE_SEEDS="1 2" # one playout a seed for each line; the referee is their mean
usage() { echo "usage: $0 [--games N] [--seeds \"1 2 3\"] [--game-seed N] [--referee-seeds \"1 2\"]" >&2; exit 2; }
while [ $# -gt 0 ]; do
  [ $# -ge 2 ] || usage
  case $1 in
    --games) GAMES=$2 ;;
    --seeds) SEEDS=$2 ;;
    --game-seed) GAME_SEED=$2 ;;
    --referee-seeds) REFEREE_SEEDS=$2 ;;
    *) usage ;;
  esac
  shift 2
done

WORK=$(mktemp -d)
CASES=$WORK/cases     # game|moves before|mover|played|kind|note
LOSSES=$WORK/losses   # case seed best a exp est where best-value
PLAYOUTS=$WORK/playouts # case mean-loss loss-of-each-seed
SELFVIEW=$WORK/selfview # game moves-before top_moves: what the engine playing the game saw
SCANVIEW=$WORK/scanview # game moves-before top_moves: what an analyser given the moves saw
TIMES=$WORK/times     # command-name cold|warm microseconds
touch "$CASES" "$LOSSES" "$TIMES" "$PLAYOUTS" "$SELFVIEW" "$SCANVIEW"
cleanup() {
  [ -n "${ENGINE_PID:-}" ] && kill "$ENGINE_PID" 2>/dev/null
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One GNU Go at a time; its standard error (move_reasons' heading) is dropped.
start_engine() { # seed
  coproc ENGINE { exec "$GNUGO" --mode gtp --level 10 --seed "$1" 2>/dev/null; }
  gtp "boardsize 9"
  gtp "komi $KOMI"
}
stop_engine() {
  printf 'quit\n' >&"${ENGINE[1]}"
  wait "$ENGINE_PID" 2>/dev/null || true
  unset ENGINE_PID
}
now_us() { echo "${EPOCHREALTIME/./}"; }

# Sends one command; the answer without "= " is left in ANSWER (lines joined by "|"), the
# wall time in TOOK (µs). Returns 1 for a "?" answer.
gtp() {
  local t0 line
  t0=$(now_us)
  printf '%s\n' "$1" >&"${ENGINE[1]}"
  ANSWER=""
  while IFS= read -r line <&"${ENGINE[0]}"; do
    line=${line%$'\r'}
    if [ -z "$line" ]; then [ -n "$ANSWER" ] && break || continue; fi
    ANSWER+=${ANSWER:+|}$line
  done
  TOOK=$(($(now_us) - t0))
  [[ $ANSWER == =* ]] || return 1
  ANSWER=${ANSWER#=}
  ANSWER=${ANSWER# }
}

# The engine's board becomes the position after these moves ("B E5 W D4 ...").
set_position() {
  gtp "clear_board"
  local words=($1) i
  for ((i = 0; i < ${#words[@]}; i += 2)); do gtp "play ${words[i]} ${words[i + 1]}"; done
}

name_of() { [ "$1" = B ] && echo black || echo white; }
other() { [ "$1" = B ] && echo W || echo B; }

# Black's lead from either score answer ("W+4.0 (upper ...)" or experimental's White-positive number).
black_lead() {
  case $1 in
    B+*) awk -v s="${1#B+}" 'BEGIN { split(s, w, " "); print w[1] + 0 }' ;;
    W+*) awk -v s="${1#W+}" 'BEGIN { split(s, w, " "); print -w[1] }' ;;
    *) awk -v s="$1" 'BEGIN { print -s }' ;;
  esac
}

# A point of the mover's own territory (influence_regions 3 for White, -3 for Black): playing
# there gains nothing. Scans from A1 so the choice is fixed.
own_territory_point() { # mover
  gtp "initial_influence $(name_of "$1") influence_regions"
  echo "$ANSWER" | tr '|' '\n' | awk -v want=$([ "$1" = B ] && echo -3 || echo 3) '
    { row[NR] = $0 } END {
      for (y = 1; y <= 9; y++) { n = split(row[10 - y], v, " ");
        for (x = 1; x <= n; x++) if (v[x] == want) { print substr("ABCDEFGHJ", x, 1) y; exit } } }'
}

# The stones of the mover's own colour that the move defends, from its move_reasons.
defended() { # vertex
  gtp "move_reasons $1"
  echo "$ANSWER" | tr '|' '\n' | awk '/ (owl-)?defends [A-HJ][1-9]/ || /both defends/ {
    for (i = 1; i <= NF; i++) if ($i ~ /^[A-HJ][1-9]$/ && i > 3) print $i }' | sort -u
}

# 1. Self-play games; from each, cases at fixed move numbers, and blunders where the mover has
#    a big group that GNU Go finds critical and its best move saves: the blunder plays the
#    best move elsewhere, one that defends nothing.
for game in $(seq 1 "$GAMES"); do
  start_engine $((GAME_SEED + game - 1))
  moves=() color=B last_blunder=-100 blunders=0
  for ((n = 0; n < 48; n++)); do
    if ((n >= 6)); then
      gtp "top_moves_$(name_of $color)"
      echo "$game $n $ANSWER" >>"$SELFVIEW"
    fi
    gtp "genmove $(name_of $color)"
    [ "${ANSWER^^}" = PASS ] || [ "${ANSWER^^}" = RESIGN ] && break
    moves+=("$color ${ANSWER^^}")
    color=$(other $color)
  done
  stop_engine
  start_engine "${SEEDS%% *}"
  for ((n = 6; n < ${#moves[@]}; n++)); do
    before="${moves[*]:0:n}" mover=${moves[n]%% *} next=${moves[n]#* }
    set_position "$before"
    gtp "top_moves_$(name_of "$mover")"
    top=($ANSWER)
    echo "$game $n $ANSWER" >>"$SCANVIEW"
    [ ${#top[@]} -ge 4 ] || continue
    if [[ " $STOPS " == *" $n "* ]]; then
      echo "$game|$before|$mover|$next|game|the game's move" >>"$CASES"
      [ "${top[2]}" != "$next" ] && echo "$game|$before|$mover|${top[2]}|second|second of top_moves" >>"$CASES"
      slack=$(own_territory_point "$mover")
      [ -n "$slack" ] && echo "$game|$before|$mover|$slack|slack|fills own territory" >>"$CASES"
    fi
    ((blunders < BLUNDERS_PER_GAME && n - last_blunder >= BLUNDER_GAP)) || continue
    # The mover's biggest group that GNU Go finds critical ("E5: critical F4 F4": attack, defence).
    [ -n "$(defended "${top[0]}")" ] || continue
    gtp "list_stones $(name_of "$mover")"
    own=" $ANSWER " biggest=0
    gtp "dragon_status"
    while read -r origin status attack defence; do
      [ "$status" = critical ] && [[ $own == *" ${origin%:} "* ]] || continue
      gtp "dragon_stones ${origin%:}"
      size=$(echo "$ANSWER" | wc -w)
      ((size > biggest)) && biggest=$size
    done < <(echo "$ANSWER" | tr '|' '\n')
    ((biggest >= BIG_GROUP)) || continue
    elsewhere=""
    for ((i = 2; i < ${#top[@]}; i += 2)); do
      [ -z "$(defended "${top[i]}")" ] && { elsewhere=${top[i]}; break; }
    done
    [ -n "$elsewhere" ] || elsewhere=$(own_territory_point "$mover")
    [ -n "$elsewhere" ] || continue
    echo "$game|$before|$mover|$elsewhere|blunder|leaves a critical $biggest-stone group to play elsewhere; ${top[0]} saves it" >>"$CASES"
    blunders=$((blunders + 1)) last_blunder=$n
  done
  stop_engine
done

# 2. Each case under each analyser seed.
for seed in $SEEDS; do
  start_engine "$seed"
  index=0 losses=()
  while IFS='|' read -r game before mover played kind note; do
    index=$((index + 1))
    set_position "$before"
    gtp "top_moves_$(name_of "$mover")"
    top=($ANSWER)
    [ ${#top[@]} -ge 2 ] || continue
    best=${top[0]} best_value=${top[1]} value="" where=top
    for ((i = 0; i < ${#top[@]}; i += 2)); do [ "${top[i]}" = "$played" ] && value=${top[i + 1]}; done
    if [ -z "$value" ]; then
      gtp "all_move_values"
      value=$(echo "$ANSWER" | tr '|' '\n' | awk -v m="$played" '$1 == m { print $2 }')
      where=all
      [ -n "$value" ] || { value=0 where=none; }
    fi
    loss_a=$(awk -v b="$best_value" -v p="$value" 'BEGIN { printf "%.2f", b - p }')
    sign=$([ "$mover" = B ] && echo 1 || echo -1)
    for scorer in "experimental_score $(name_of "$(other "$mover")")" estimate_score; do
      leads=()
      for move in "$best" "$played"; do
        gtp "play $mover $move" || { echo "case $index: play $mover $move refused: $ANSWER" >&2; exit 1; }
        gtp "$scorer"
        leads+=("$(black_lead "$ANSWER")")
        gtp "undo"
      done
      losses+=("$(awk -v s="$sign" -v b="${leads[0]}" -v p="${leads[1]}" 'BEGIN { printf "%.2f", s * (b - p) }')")
    done
    echo "$index $seed $best $loss_a ${losses[0]} ${losses[1]} $where $best_value" >>"$LOSSES"
    losses=()
  done <"$CASES"
  stop_engine
done

# 3. The referee: GNU Go plays each case on to the end after the best move and after the
#    move played, in a fresh process each time; the loss is the difference of final_scores.
play_out() { # seed before mover move
  start_engine "$1"
  set_position "$2"
  gtp "play $3 $4"
  local color passes=0 n
  color=$(other "$3")
  for ((n = 0; n < 120 && passes < 2; n++)); do
    gtp "genmove $(name_of "$color")"
    [ "${ANSWER^^}" = RESIGN ] && { [ "$color" = B ] && ANSWER=W+99 || ANSWER=B+99; stop_engine; return; }
    if [ "${ANSWER^^}" = PASS ]; then passes=$((passes + 1)); else passes=0; fi
    color=$(other "$color")
  done
  gtp "final_score"
  [ "$ANSWER" = 0 ] && ANSWER=B+0
  stop_engine
}
index=0
while IFS='|' read -r game before mover played kind note; do
  index=$((index + 1))
  best=$(awk -v i=$index '$1 == i { print $3; exit }' "$LOSSES")
  if [ "$best" = "$played" ]; then echo "$index 0.00" >>"$PLAYOUTS"; continue; fi
  differences=""
  for seed in $REFEREE_SEEDS; do
    play_out "$seed" "$before" "$mover" "$best"
    after_best=$(black_lead "$ANSWER")
    play_out "$seed" "$before" "$mover" "$played"
    after_played=$(black_lead "$ANSWER")
    differences+=" $(awk -v s="$([ "$mover" = B ] && echo 1 || echo -1)" -v b="$after_best" -v p="$after_played" \
      'BEGIN { print s * (b - p) }')"
  done
  echo "$index $(echo $differences | awk '{ for (i = 1; i <= NF; i++) t += $i; printf "%.2f", t / NF }') $differences" >>"$PLAYOUTS"
done <"$CASES"

# 4. Timings on the positions of the game cases: cold in a fresh process, warm after top_moves.
while IFS='|' read -r game before mover played kind note; do
  [ "$kind" = game ] || continue
  mover_name=$(name_of "$mover")
  stone=${before#* } stone=${stone%% *} # the first stone played; it may be gone, so "?" is allowed
  for command in "top_moves_$mover_name" estimate_score "experimental_score $mover_name" \
    "initial_influence $mover_name influence_regions" "dragon_status $stone" "genmove $mover_name"; do
    start_engine 1
    set_position "$before"
    gtp "$command" || true
    echo "${command%% *} cold $TOOK" >>"$TIMES"
    if [ "$command" = "top_moves_$mover_name" ]; then
      first=${ANSWER%% *}
      for warm in "move_reasons $first" "all_move_values" estimate_score "experimental_score $mover_name" \
        "initial_influence $mover_name influence_regions" "dragon_status $stone" "findlib $stone" "countlib $stone"; do
        gtp "$warm" || true
        echo "${warm%% *} warm $TOOK" >>"$TIMES"
      done
    fi
    stop_engine
  done
done <"$CASES"

# 5. Report.
echo "Cases: loss in points, one column a seed ($SEEDS); referee = difference of final scores after playing on"
printf '%3s %-7s %4s %3s %-2s %-4s %-17s %-17s %-17s %7s  %s\n' case kind game mv by move \
  "(a) values" "(b) experimental" "(b') estimate" referee "best/where (top, all_move_values, none = 0) - note"
index=0
while IFS='|' read -r game before mover played kind note; do
  index=$((index + 1))
  referee=$(awk -v i=$index '$1 == i { print $2 }' "$PLAYOUTS")
  each=$(awk -v i=$index '$1 == i { $1 = ""; $2 = ""; print }' "$PLAYOUTS")
  awk -v i=$index -v k="$kind" -v g="$game" -v n="$(($(echo "$before" | wc -w) / 2 + 1))" -v m="$mover" -v p="$played" \
    -v r="$referee" -v each="$each" -v note="$note" '
    $1 == i { a = a sprintf("%5.1f ", $4); e = e sprintf("%5.1f ", $5); s = s sprintf("%5.1f ", $6); b = b $3 "/" $7 " " }
    END { printf "%3d %-7s %4s %3d %-2s %-4s %-17s %-17s %-17s %7.1f  %s- %s (playouts:%s)\n", i, k, g, n, m, p, a, e, s, r, b, note, each }' "$LOSSES"
done <"$CASES"

echo
echo "Per method: steadiness across seeds (spread = largest minus smallest loss of a case), distance from the"
echo "referee (mean over seeds), how often a blunder shows >= 10 and a game move <= 2, and mean loss by kind"
awk -v F="$CASES" -v R="$PLAYOUTS" '
  BEGIN { while ((getline line < F) > 0) { split(line, f, "|"); kind[++n] = f[5] }
          while ((getline line < R) > 0) { split(line, f, " "); ref[f[1]] = f[2] } }
  { for (c = 4; c <= 6; c++) { v = $c + 0; k = $1 SUBSEP c
      if (!(k in lo) || v < lo[k]) lo[k] = v; if (!(k in hi) || v > hi[k]) hi[k] = v
      tot[k] += v; cnt[k]++ } }
  END {
    name[4] = "(a) values"; name[5] = "(b) experimental"; name[6] = "(b'"'"') estimate"
    split("game second slack blunder", kinds, " ")
    printf "%-17s %7s %7s %9s %9s %9s %9s", "method", "spread", "max", "|error|", "blunder", "game", "negative"
    for (j = 1; j <= 4; j++) printf " %8s", kinds[j]
    printf "\n"
    for (c = 4; c <= 6; c++) {
      s = 0; m = 0; err = 0; nref = 0; big = 0; nbig = 0; calm = 0; ncalm = 0; neg = 0
      delete sum; delete num
      for (i = 1; i <= n; i++) {
        if (!cnt[i, c]) continue
        d = hi[i, c] - lo[i, c]; s += d; if (d > m) m = d
        mean = tot[i, c] / cnt[i, c]
        if (i in ref) { err += (mean > ref[i] ? mean - ref[i] : ref[i] - mean); nref++ }
        if (kind[i] == "blunder") { nbig++; if (mean >= 10) big++ }
        if (kind[i] == "game") { ncalm++; if (mean <= 2) calm++ }
        if (mean < -0.5) neg++
        sum[kind[i]] += mean; num[kind[i]]++ }
      printf "%-17s %7.2f %7.2f %9.1f %9s %9s %9d", name[c], s / n, m, nref ? err / nref : 0, big "/" nbig, calm "/" ncalm, neg
      for (j = 1; j <= 4; j++) { k = kinds[j]; printf " %8s", num[k] ? sprintf("%.1f", sum[k] / num[k]) : "-" }
      printf "\n" } }' "$LOSSES"
awk -v F="$CASES" '
  BEGIN { while ((getline line < F) > 0) { split(line, f, "|"); kind[++n] = f[5] } }
  { if ($2 + 0 >= 10 && kind[$1] == "blunder") big++; if (kind[$1] == "blunder") nbig++
    if ($2 + 0 <= 2 && kind[$1] == "game") calm++; if (kind[$1] == "game") ncalm++
    sum[kind[$1]] += $2; num[kind[$1]]++ }
  END { printf "%-17s %7s %7s %9s %9s %9s %9s %8.1f %8.1f %8.1f %8.1f\n", "referee", "-", "-", "-", big "/" nbig, calm "/" ncalm, "-",
        sum["game"] / num["game"], sum["second"] / num["second"], sum["slack"] / num["slack"], num["blunder"] ? sum["blunder"] / num["blunder"] : 0 }' "$PLAYOUTS"

echo
echo "The same positions seen by the engine that played the game (after its own genmoves) and by an"
echo "analyser given the moves (clear_board, play ...): positions where their best moves differ"
join <(awk '{ print $1 "-" $2, $3, $4 }' "$SELFVIEW" | sort) <(awk '{ print $1 "-" $2, $3, $4 }' "$SCANVIEW" | sort) |
  awk '{ n++; if ($2 != $4) { d++; if (d <= 8) printf "  game-moves %-6s the game engine %-4s %7s   the analyser %-4s %7s\n", $1, $2, $3, $4, $5 } }
    END { printf "  %d of %d positions differ\n", d, n }'

echo
echo "Wall time per call at level 10, ms (cold: first command on a new position in a fresh GNU Go; warm: after top_moves)"
printf '%-20s %5s %5s %8s %8s\n' command when calls median max
sort -k1,1 -k2,2 -k3,3n "$TIMES" | awk '
  { key = $1 " " $2; v[key, ++n[key]] = $3 / 1000; if (!(key in seen)) { seen[key] = 1; order[++k] = key } }
  END { for (i = 1; i <= k; i++) { key = order[i]; c = n[key]
      med = c % 2 ? v[key, (c + 1) / 2] : (v[key, c / 2] + v[key, c / 2 + 1]) / 2
      split(key, w, " "); printf "%-20s %5s %5d %8.1f %8.1f\n", w[1], w[2], c, med, v[key, c] } }'
