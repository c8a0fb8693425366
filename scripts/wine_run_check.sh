#!/usr/bin/env bash
# Translates a few forms and runs each generated program under Wine: the check
# fails when a program crashes or shows no window, and for the bundled examples
# also when a control is out of place or the client area is not the form's.
# The example of the common controls runs in the extended translation, which
# must also leave none of its controls out.
#
#   scripts/wine_run_check.sh VORNIC [FORM ...]
#
# Exit codes: 0 all ran, 1 one failed, 77 skipped (no toolchain on this machine).
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
vornic=$(readlink -f "${1:?usage: wine_run_check.sh VORNIC [FORM ...]}")
shift
wincheck=${VORNIC_WINCHECK:-$root/../shared/tools/wincheck}
formlayout=$(dirname "$wincheck")/formlayout.py
corpus=${VORNIC_CORPUS:-$root/../shared/corpus}

if [ ! -x "$wincheck" ] || ! "$wincheck" setup >/dev/null 2>&1; then
  echo "SKIPPED: wine run check: wincheck setup cannot run on this machine"
  exit 77
fi

forms=("$@")
extended_forms=()
if [ ${#forms[@]} -eq 0 ]; then
  extended_forms=("$root/examples/common_controls.txt")
  forms=("$root/examples/showcase.txt" "$root/examples/names.txt")
  # The first three public text forms in name order, when the corpus is there.
  if [ -d "$corpus/text" ]; then
    mapfile -t corpus_forms < <(LC_ALL=C ls "$corpus"/text/*.dfm | head -n 3)
    forms+=("${corpus_forms[@]}")
  fi
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-run.XXXXXX")
trap 'rm -rf "$work"' EXIT

runs=()
for form in "${forms[@]}"; do runs+=("exact:$form"); done
for form in "${extended_forms[@]}"; do runs+=("extended:$form"); done

failed=0 index=0
for run in "${runs[@]}"; do
  mode=${run%%:*} form=${run#*:}
  options=()
  [ "$mode" = extended ] && options=(--extended)
  index=$((index + 1))
  dir="$work/$index"
  mkdir -p "$dir"
  cp "$form" "$dir/run$index.txt"
  if ! (cd "$dir" && "$vornic" ${options[@]+"${options[@]}"} "run$index.txt" >translate.log 2>&1); then
    echo "FAIL translate: $(basename "$form"): $(tail -n 1 "$dir/translate.log")"
    failed=$((failed + 1))
    continue
  fi
  case "$form" in
    "$root"/examples/*) check_layout=1 ;;
    *) check_layout=0 ;;
  esac
  if [ "$check_layout" -eq 0 ]; then
    "$wincheck" run "$dir/run$index.dpr" --seconds 3 --shot "$dir/run$index.png" >"$dir/run.log" 2>&1
  else
    "$wincheck" probe "$dir/run$index.dpr" --out "$dir/run$index.tsv" >"$dir/run.log" 2>&1
  fi
  status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAIL run (exit $status): $(basename "$form")"
    tail -n 5 "$dir/run.log" | sed 's/^/    /'
    failed=$((failed + 1))
    continue
  fi
  if [ "$check_layout" -eq 1 ]; then
    # Containers of classes without a generator are missing by design; what
    # is created must sit where the form has it, in a client area of its size.
    summary=$(python3 "$formlayout" "$dir/run$index.txt" "$dir/run$index.tsv" | tail -n 1)
    if ! grep -q ' misplaced 0 ' <<<"$summary" || ! grep -q ' clipped 0 ' <<<"$summary" ||
       ! grep -q 'client-size ok' <<<"$summary" ||
       { [ "$mode" = extended ] && ! grep -q ' missing 0 ' <<<"$summary"; }; then
      echo "FAIL layout: $(basename "$form"): $summary"
      failed=$((failed + 1))
      continue
    fi
  fi
  echo "ok: $(basename "$form")${options[*]+ ${options[*]}}"
done
[ "$failed" -eq 0 ]
