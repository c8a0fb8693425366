#!/usr/bin/env bash
# Times the extended translation of every corpus form: once with one run of
# the tool per form, as a shell loop does, and once in a single run over the
# whole corpus (--all). Both work on copies of the corpus, as the tool writes
# beside its forms; the best of ROUNDS runs of each is printed, with the
# count of forms and the exit codes.
#
#   bench/all_forms.sh VORNIC [ROUNDS]
#
# VORNIC_CORPUS names another corpus.
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
vornic=$(readlink -f "${1:?usage: all_forms.sh VORNIC [ROUNDS]}")
rounds=${2:-3}
corpus=${VORNIC_CORPUS:-$root/../shared/corpus}
[ -d "$corpus" ] || { echo "no corpus at $corpus"; exit 77; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-all-forms.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Runs the command; sets `elapsed` to its wall time in seconds (to the
# millisecond) and `status` to its exit code.
elapsed="" status=0
timed() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1
  status=$?
  end=$(date +%s%N)
  elapsed=$(printf '%d.%03d' $(((end - start) / 1000000000)) $(((end - start) / 1000000 % 1000)))
}

# One run per form, in the order --all takes them.
each_form() {
  local failed=0
  while IFS= read -r form; do
    "$vornic" --extended "$form" >/dev/null 2>&1 || failed=1
  done < <(find "$1" -iname '*.dfm' | LC_ALL=C sort)
  return $failed
}

forms=$(find "$corpus" -iname '*.dfm' | wc -l)
best_each="" best_all=""
for ((round = 1; round <= rounds; round++)); do
  rm -rf "$work/each" "$work/all"
  cp -r "$corpus" "$work/each"
  cp -r "$corpus" "$work/all"
  timed each_form "$work/each"; each=$elapsed each_status=$status
  timed "$vornic" --extended --all "$work/all"; all=$elapsed all_status=$status
  echo "round $round: one run per form $each s (exit $each_status), --all $all s (exit $all_status)"
  if [ -z "$best_each" ] || awk "BEGIN { exit !($each < $best_each) }"; then best_each=$each; fi
  if [ -z "$best_all" ] || awk "BEGIN { exit !($all < $best_all) }"; then best_all=$all; fi
done
echo "$forms forms, best of $rounds: one run per form $best_each s, one run with --all $best_all s ($(nproc) processors)"
