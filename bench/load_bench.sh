#!/usr/bin/env bash
# The whole load of a knowledge base from the menu, as whole processes: the scenario runner
# starts the program headless, loads the base with every check (the three diagnosis questions
# declined), ends the program and exits. Prints time, MB/s and peak memory against the file,
# and, when swipl is on the PATH, SWI-Prolog consulting the same facts, side by side.
#
# Usage: bash bench/load_bench.sh [BUILD_DIR [WORK_DIR]]
#   BUILD_DIR  a Release build with -DVELK_BENCH=ON (default build/rel)
#   WORK_DIR   where the bases are written (kept for another run; default a temporary folder)
#   REPEAT=n   runs of each measurement, the fastest reported (default 3)
#   ONLY="RE10k RE100k"  measures only these bases
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/rel}
work=${2:-}
repeat=${REPEAT:-3}

runner=$build/tests/scenario_runner
measure=$build/bench/measure
make_bases=$build/bench/make_load_bases
for tool in "$runner" "$measure" "$make_bases"; do
  if [ ! -x "$tool" ]; then
    echo "load_bench: $tool is missing; build a Release tree with -DVELK_BENCH=ON (and the tests) first" >&2
    exit 2
  fi
done
runner=$(realpath "$runner"); measure=$(realpath "$measure")

if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work"
work=$(realpath "$work")
if [ ! -f "$work/MOmod100k.BQZ" ]; then
  echo "Writing the bases into $work ..."
  "$make_bases" "$work" >/dev/null
fi

# ---- The scenarios: start, load, decline the three diagnoses, end ----
rule_steps() {
  cat <<EOF
menu "Ładowanie bazy reguł"
open -> $1.BQZ
note "Wynik ładowania bazy reguł"
message "Wybierz" -> Nie
message "Wybierz" -> Nie
message "Wybierz" -> Nie
EOF
}
scenario() {  # NAME: the scenario that loads base NAME (a model base after its rule base)
  echo 'note "Uwaga"'  # the working folder has no intro picture
  echo 'close "Witamy w "'
  case $1 in
    MO*)
      rule_steps "RE${1#MO}"
      cat <<EOF
menu "Ładowanie bazy modeli"
open -> $1.BQZ
note "Wynik ładowania bazy modeli"
note "Diagnozowanie"
note "Wynik diagnozowania sprzeczności"
note "Diagnozowanie"
note "Wynik diagnozowania sprzeczności łącznych"
EOF
      ;;
    *) rule_steps "$1" ;;
  esac
  echo 'close'
  echo 'message "Uwaga!" -> Tak'
}

# ---- Measuring ----
# best_of COMMAND...: runs the command $repeat times under measure and prints the fastest run's
# "wall user sys peak_kb status"; fails when a run fails.
best_of() {
  local best="" line
  for _ in $(seq "$repeat"); do
    if ! "$measure" "$work/.result" "$@" >"$work/.out" 2>"$work/.err"; then
      echo "load_bench: failed: $*" >&2
      tail -n 5 "$work/.out" "$work/.err" >&2
      return 1
    fi
    line=$(cat "$work/.result")
    if [ -z "$best" ] || awk -v a="$line" -v b="$best" 'BEGIN { split(a, x, " "); split(b, y, " "); exit !(x[1] < y[1]) }'; then
      best=$line
    fi
  done
  echo "$best"
}

have_swipl=0
if command -v swipl >/dev/null 2>&1; then
  have_swipl=1
  echo "Prolog: $(swipl --version)"
else
  echo "Prolog: swipl is not on the PATH: only our load is measured (install swi-prolog-nox to compare)."
fi

cases=${ONLY:-"RE10k RE100k RE1m REdistinct64k MOmod100k"}
mb() { awk -v b="$1" 'BEGIN { printf "%.1f", b / 1e6 }'; }

printf '\n%-14s %8s | %8s %8s %9s %7s | %8s %9s %7s\n' \
  base "file MB" "time s" "MB/s" "peak MB" "x file" "swipl s" "peak MB" "swipl/us"
for name in $cases; do
  if [ ! -f "$work/$name.BQZ" ]; then
    echo "load_bench: no base $name in $work" >&2
    exit 2
  fi
  bytes=$(stat -c %s "$work/$name.BQZ")
  pl=("$work/$name.pl")
  if [[ $name == MO* ]]; then
    # The rule base is loaded first: count its bytes and clauses too.
    bytes=$((bytes + $(stat -c %s "$work/RE${name#MO}.BQZ")))
    pl=("$work/RE${name#MO}.pl" "$work/$name.pl")
  fi
  scenario "$name" >"$work/$name.scn"
  ours=$(best_of "$runner" "$work/$name.scn" "$work")
  read -r wall _ _ peak _ <<<"$ours"
  row=$(awk -v w="$wall" -v p="$peak" -v b="$bytes" \
    'BEGIN { printf "%8.3f %8.1f %9.1f %7.2f", w, b / 1e6 / w, p / 1024, p * 1024 / b }')
  swipl_part="       -         -       -"
  if [ "$have_swipl" = 1 ]; then
    goal="maplist(consult, ['$(IFS=,; echo "${pl[*]}" | sed "s/,/','/g")'])"
    theirs=$(best_of swipl -q -g "$goal" -t halt)
    read -r swall _ _ speak _ <<<"$theirs"
    if [ -s "$work/.err" ]; then
      echo "load_bench: swipl wrote to stderr while consulting $name:" >&2
      head -n 3 "$work/.err" >&2
    fi
    swipl_part=$(awk -v w="$swall" -v p="$speak" -v o="$wall" 'BEGIN { printf "%8.3f %9.1f %7.1f", w, p / 1024, w / o }')
  fi
  printf '%-14s %8s | %s | %s\n' "$name" "$(mb "$bytes")" "$row" "$swipl_part"
done
echo
echo "time: wall clock of the whole process, fastest of $repeat; peak: its ru_maxrss; x file: peak / file size"
echo "MO* rows load their rule base RE* first (its bytes counted in the file size)"
