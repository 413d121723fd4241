#!/usr/bin/env bash
# Mutation check of the test suite: plants each fault listed in scripts/mutants.txt
# in a scratch copy of the work tree, rebuilds it and runs the ctest labels the
# fault concerns. A mutant is KILLED when a test fails, SURVIVED when all pass;
# one that does not build is counted apart ("did not compile"), as is a STALE entry.
# A development tool, not part of ./test.sh.
#
#   scripts/mutants.sh              every mutant
#   scripts/mutants.sh ID...        only these
#   scripts/mutants.sh --list       the ids
#   scripts/mutants.sh --check      which entries are stale in the work tree (builds nothing)
#
# HOSHI_MUTANTS_DIR (default /tmp/hoshi-mutants) holds the copy and its build;
# HOSHI_MUTANTS_TIMEOUT (default 300) caps, in seconds, each test run: ctest's
# --timeout would not override the tests' own TIMEOUT property, --stop-time does.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
LIST=$ROOT/scripts/mutants.txt
SCRATCH=${HOSHI_MUTANTS_DIR:-/tmp/hoshi-mutants}
SRC=$SCRATCH/src
BUILD=$SCRATCH/build
LOGS=$SCRATCH/logs
TIMEOUT=${HOSHI_MUTANTS_TIMEOUT:-300}

trim() { local s=$1; s=${s#"${s%%[![:space:]]*}"}; printf '%s' "${s%"${s##*[![:space:]]}"}"; }

# The list: parallel arrays indexed by mutant.
ids=() files=() labels=() anchors=() olds=() news=()
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    @*) read -r _ id file label <<<"$line"
        ids+=("$id") files+=("$file") labels+=("$label") anchors+=("") olds+=("") news+=("") ;;
    =*) anchors[-1]=$(trim "${line#=}") ;;
    -*) olds[-1]=$(trim "${line#-}") ;;
    +*) news[-1]=$(trim "${line#+}") ;;
  esac
done <"$LIST"

if [ "${1:-}" = --list ]; then
  printf '%s\n' "${ids[@]}"
  exit 0
fi
mode=run
[ "${1:-}" = --check ] && { mode=check; shift; }
selected=()
for want in "$@"; do
  found=""
  for i in "${!ids[@]}"; do [ "${ids[$i]}" = "$want" ] && found=$i; done
  [ -n "$found" ] || { echo "mutants: no mutant named $want" >&2; exit 2; }
  selected+=("$found")
done
[ $# -gt 0 ] || selected=("${!ids[@]}")

# Writes FILE with the one line equal (trimmed) to OLD replaced by NEW, keeping its
# indentation, to stdout; exits 3 unless exactly one line matched. With an ANCHOR,
# only the lines after it count, and the anchor itself must occur exactly once.
mutate() {
  OLD=$2 NEW=$3 ANCHOR=${4:-} awk '
    function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t\r]+$/, "", s); return s }
    BEGIN { after = (ENVIRON["ANCHOR"] == "") }
    ENVIRON["ANCHOR"] != "" && trim($0) == ENVIRON["ANCHOR"] { anchors++; after = 1; print; next }
    after && trim($0) == ENVIRON["OLD"] { n++; match($0, /^[ \t]*/); print substr($0, 1, RLENGTH) ENVIRON["NEW"]; next }
    { print }
    END { exit n == 1 && (ENVIRON["ANCHOR"] == "" || anchors == 1) ? 0 : 3 }' "$1"
}

if [ $mode = check ]; then
  status=0
  for i in "${selected[@]}"; do
    if ! mutate "${files[$i]}" "${olds[$i]}" "${news[$i]}" "${anchors[$i]}" >/dev/null 2>&1; then
      echo "${ids[$i]} STALE (the original line is not in ${files[$i]} exactly once)"; status=1
    fi
  done
  echo "${#selected[@]} mutants checked"
  exit $status
fi

# One copy of the tracked files, refreshed file by file so that the build stays
# incremental (this also undoes a mutant left behind by an interrupted run).
started=$SECONDS
mkdir -p "$SRC" "$LOGS"
while IFS= read -r -d '' f; do
  if ! cmp -s "$f" "$SRC/$f"; then
    mkdir -p "$SRC/$(dirname "$f")" && cp "$f" "$SRC/$f"
  fi
done < <(git ls-files -z)
# A file gone from the tree goes from the copy too (the source globs would still build it).
while IFS= read -r f; do rm -f "$SRC/$f"; done < <(comm -13 <(git ls-files | sort) <(cd "$SRC" && find . -path ./.git -prune -o -type f -printf '%P\n' | sort))
if [ ! -f "$BUILD/build.ninja" ]; then
  cmake -S "$SRC" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHOSHI_BUILD_BENCHMARKS=OFF \
    >"$LOGS/configure.log" 2>&1 || { echo "mutants: configure failed, see $LOGS/configure.log" >&2; exit 1; }
fi
build() { cmake --build "$BUILD" -j2 >"$1" 2>&1; }
build "$LOGS/build.log" || { echo "mutants: the unmutated build failed, see $LOGS/build.log" >&2; exit 1; }

# "rules,board" -> ^(rules|board)$
label_regex() { printf '^(%s)$' "${1//,/|}"; }
run_tests() {
  ctest --test-dir "$BUILD" -L "$(label_regex "$1")" --stop-on-failure --no-tests=error \
    --stop-time "$(date -d "+$TIMEOUT seconds" +%H:%M:%S)" -j2 >"$2" 2>&1
}

# A suite that failed unmutated would count every mutant as killed.
all_labels=$(for i in "${selected[@]}"; do echo "${labels[$i]}"; done | tr , '\n' | sort -u | paste -sd,)
run_tests "$all_labels" "$LOGS/unmutated.test.log" \
  || { echo "mutants: the unmutated suite fails, see $LOGS/unmutated.test.log" >&2; exit 1; }
echo "The unmutated suite passes [$all_labels] ($((SECONDS - started)) s with the build)"

killed=0 survived=0 stale=0 broken=0 survivors=()
for i in "${selected[@]}"; do
  id=${ids[$i]} file=${files[$i]} label=${labels[$i]} t0=$SECONDS
  target=$SRC/$file
  if [ ! -f "$target" ] || ! mutate "$target" "${olds[$i]}" "${news[$i]}" "${anchors[$i]}" >"$SCRATCH/mutant.tmp"; then
    stale=$((stale + 1))
    printf '%-36s STALE (the original line is not in %s exactly once)\n' "$id" "$file"
    continue
  fi
  cp "$target" "$SCRATCH/original.tmp"
  cp "$SCRATCH/mutant.tmp" "$target"
  if ! build "$LOGS/$id.build.log"; then
    verdict="did not compile"; broken=$((broken + 1))
  elif run_tests "$label" "$LOGS/$id.test.log"; then
    verdict=SURVIVED; survived=$((survived + 1)); survivors+=("$id")
  else
    verdict=KILLED; killed=$((killed + 1))
  fi
  # A plain copy gives the restored file a new time, so the next build recompiles it.
  cp "$SCRATCH/original.tmp" "$target"
  printf '%-36s %-16s %s [%s] %ds\n' "$id" "$verdict" "$file" "$label" $((SECONDS - t0))
done

echo
if [ ${#survivors[@]} -gt 0 ]; then
  echo "Survivors:"
  printf '  %s\n' "${survivors[@]}"
else
  echo "Survivors: none"
fi
echo "Total time: $((SECONDS - started)) s"
echo "$killed killed, $survived survived"
if [ $((stale + broken)) -gt 0 ]; then
  echo "$stale stale, $broken did not compile"
fi
