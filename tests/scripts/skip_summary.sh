#!/usr/bin/env bash
# The last line of a test run: how many tests skipped themselves, and why. It
# reads the notes that skipped tests leave in FOLDER (tests/support/
# skip_record.cpp, tests/scripts/record_skip.sh), so that a green run without
# the form corpus or the Windows tools cannot pass for a full one. CTest runs
# it before and after the tests (CTestCustom.cmake in the build folder).
#
#   tests/scripts/skip_summary.sh --clear FOLDER   forgets the last run's notes
#   tests/scripts/skip_summary.sh FOLDER           prints the line, if a test skipped
#
# Always exits 0: CTest would count a failure here as an error of the run.
set -u
export LC_ALL=C

if [ "${1:-}" = --clear ]; then
  rm -rf "${2:?}" && mkdir -p "$2"
  exit 0
fi
shopt -s nullglob
notes=("${1:?usage: skip_summary.sh [--clear] FOLDER}"/*)
[ ${#notes[@]} -eq 0 ] && exit 0

# Reasons that name the same missing thing in other words count as one.
for note in "${notes[@]}"; do
  reason=$(head -n 1 "$note")
  case "$reason" in
    *corpus*) echo "no form corpus in ../shared/corpus" ;;
    *wincheck* | *formlayout*) echo "Windows tools in ../shared/tools missing or not set up" ;;
    *) echo "$reason" ;;
  esac
done | sort | uniq -c | sort -k1,1nr -k2 | awk -v total=${#notes[@]} '
  { count = $1; sub(/^ *[0-9]+ /, ""); parts = parts (NR > 1 ? "; " : "") count ": " $0 }
  END { printf "%d test%s skipped (%s)\n", total, total == 1 ? "" : "s", parts }'
exit 0
