#!/usr/bin/env bash
# Brings every catalogue in translations/ up to date with the texts of the
# program (new texts come in unfinished, vanished ones go). Given a language
# code (de), starts that language's catalogue. With --check, the catalogues are
# left alone and the script fails if any is not up to date or has an
# unfinished entry.
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
update() { "$LUPDATE" -silent app board coach engine strength translations -ts "$1" -no-obsolete -locations none; }
if [ "${1:-}" != "--check" ]; then
  if [ -n "${1:-}" ]; then
    "$LUPDATE" -silent app board coach engine strength translations -ts "translations/hoshi_$1.ts" -no-obsolete -locations none \
      -source-language en -target-language "$1"
  fi
  for catalogue in translations/hoshi_*.ts; do update "$catalogue"; done
  exit 0
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
status=0
for catalogue in translations/hoshi_*.ts; do
  cp "$catalogue" "$scratch/check.ts"
  update "$scratch/check.ts"
  if ! cmp -s "$catalogue" "$scratch/check.ts" || grep -q 'type="unfinished"' "$catalogue"; then
    echo "$catalogue is not up to date or not finished: run scripts/update-translations.sh and translate"
    diff "$catalogue" "$scratch/check.ts" || true
    status=1
  fi
done
exit "$status"
