#!/usr/bin/env bash
# The README stays short, and the line of skipped tests it shows is the one a
# clean clone without ../shared prints: the unit tests are run with the corpus
# moved away and every Windows check of the test run (as CMake lists them)
# with the tools moved away, and the notes they leave that name those two
# reasons are summed up by skip_summary.sh. Other reasons (a test that needs
# root, say) depend on the machine and are left out of both.
#
#   tests/scripts/readme_check.sh VORNIC_TESTS WINDOWS_CHECKS
#
# WINDOWS_CHECKS is windows_checks.txt of the build folder: one check a line,
# its name and command separated by tabs.
# Exit codes: 0 the README is right, 1 it is not.
set -u -o pipefail

tests=${1:?usage: readme_check.sh VORNIC_TESTS WINDOWS_CHECKS}
checks=${2:?usage: readme_check.sh VORNIC_TESTS WINDOWS_CHECKS}
root=$(cd "$(dirname "$0")/../.." && pwd)
readme="$root/README.md"
summary="$root/tests/scripts/skip_summary.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-readme.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0

lines=$(wc -l <"$readme")
if [ "$lines" -ge 250 ]; then
  echo "FAIL: README.md has $lines lines; it should stay under 250 (details go to docs/)"
  failed=1
fi

# What a clean clone lacks: ../shared/corpus and ../shared/tools.
export VORNIC_CORPUS="$work/no-corpus" VORNIC_WINCHECK="$work/no-tools/wincheck"
export VORNIC_SKIP_LOG="$work/notes"
mkdir "$VORNIC_SKIP_LOG"
if ! "$tests" >"$work/unit.log" 2>&1; then
  echo "FAIL: the unit tests fail without the corpus:"
  grep -E '^\[  FAILED  \]' "$work/unit.log" | head -n 10
  failed=1
fi
while IFS=$'\t' read -r -a check; do
  [ ${#check[@]} -gt 1 ] || continue
  "${check[@]:1}" >"$work/check.log" 2>&1
  status=$?
  if [ "$status" -ne 77 ]; then
    echo "FAIL: ${check[0]} ended with exit code $status, not 77 (skipped), without the Windows tools"
    tail -n 3 "$work/check.log"
    failed=1
  fi
done <"$checks"

# Only the notes whose reason the summary counts as a missing part of ../shared.
mkdir "$work/shared" "$work/one"
for note in "$VORNIC_SKIP_LOG"/*; do
  [ -f "$note" ] || continue
  rm -f "$work/one"/*
  cp "$note" "$work/one/"
  if "$summary" "$work/one" | grep -q '\.\./shared'; then
    cp "$note" "$work/shared/"
  fi
done
expected=$("$summary" "$work/shared")
shown=$(sed -n 's/^ *\([0-9][0-9]* tests\{0,1\} skipped (.*\)$/\1/p' "$readme")
if [ -z "$expected" ]; then
  echo "FAIL: without ../shared no test skipped; the skip summary or this check is broken"
  failed=1
elif [ "$shown" != "$expected" ]; then
  printf 'FAIL: the README shows another line of skipped tests than a run without ../shared prints\n'
  printf '  README: %s\n  run:    %s\n' "${shown:-(none)}" "$expected"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "README.md: $lines lines; its skip line is the run's: $expected"
exit "$failed"
