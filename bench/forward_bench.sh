#!/usr/bin/env bash
# Forward inference over a long rule chain, as whole processes: the scenario runner starts the
# program headless, loads the chain (diagnoses declined), runs forward inference at detail level
# "mała" to its end (every step dialog closed at once, summary and report declined) and exits.
# Chains of 10,000 and 100,000 rules, in file order and in reverse order; when `clips` is on the
# PATH, CLIPS running the same chain written as defrules is timed beside it.
#
# Usage: bash bench/forward_bench.sh [BUILD_DIR [WORK_DIR]]
#   BUILD_DIR  a Release build with -DVELK_BENCH=ON (default build/rel)
#   SIZES="10000 100000"  the chain lengths
#   CLIPS=clips           the CLIPS program to time beside ours; CLIPS= skips it
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/rel}
work=${2:-}
sizes=${SIZES:-"10000 100000"}
clips=${CLIPS-clips}

runner=$build/tests/scenario_runner
measure=$build/bench/measure
make_bases=$build/bench/make_load_bases
for tool in "$runner" "$measure" "$make_bases"; do
  if [ ! -x "$tool" ]; then
    echo "forward_bench: $tool is missing; build a Release tree with -DVELK_BENCH=ON first" >&2
    exit 2
  fi
done
runner=$(realpath "$runner"); measure=$(realpath "$measure"); make_bases=$(realpath "$make_bases")
if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"; work=$(realpath "$work")

scenario() {  # MARK COUNT
  cat <<EOF
note "Uwaga"
close "Witamy w "
menu "Ładowanie bazy reguł"
open -> RE$1.BQZ
note "Wynik ładowania bazy reguł"
message "Wybierz" -> Nie
message "Wybierz" -> Nie
message "Wybierz" -> Nie
menu 10164
dialog 10031
  press 1
question "Tworzenie etykiet" -> "&NIE"
note "Wnioskowanie rozwinięte niepewne w przód"
dialog 10032
  press 1
EOF
  # The given fact's listing, then one resultant per rule.
  for _ in $(seq 0 "$2"); do printf 'dialog 10026\n  press 1\n'; done
  cat <<EOF
note "Uwaga!"
dialog 10026
  press 1
note "Uwaga!"
question "Plik podsumowania" -> "&NIE"
question "Raport wnioskowania/diagnostyki" -> "&Nie"
close
message "Uwaga!" -> Tak
EOF
}

printf '%-22s %10s %10s %10s\n' chain velk_s peak_MB clips_s
for n in $sizes; do
  for order in chain chain-reverse; do
    mark="${order}${n}"
    "$make_bases" "$work" "$order" "$n" "$mark"
    scenario "$mark" "$n" > "$work/$mark.scn"
    read -r wall _ _ peak status < <("$measure" "$work/.result" "$runner" "$work/$mark.scn" "$work" >/dev/null 2>&1; cat "$work/.result")
    [ "$status" = 0 ] || { echo "forward_bench: the run of $mark failed" >&2; exit 1; }
    clips_s=-
    if [ -n "$clips" ] && command -v "$clips" >/dev/null; then
      read -r clips_s _ < <("$measure" "$work/.result" "$clips" -f2 "$work/$mark.clp" >/dev/null 2>&1; cat "$work/.result")
    fi
    printf '%-22s %10s %10s %10s\n' "$mark" "$wall" "$((peak / 1024))" "$clips_s"
  done
done
