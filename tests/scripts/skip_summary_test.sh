#!/usr/bin/env bash
# The summary line of skipped tests: notes counted by reason, the corpus and
# Windows tools reasons each counted as one however the tests word them, and
# nothing printed when no test skipped.
set -u -o pipefail
summary="$(cd "$(dirname "$0")" && pwd)/skip_summary.sh"
folder=$(mktemp -d "${TMPDIR:-/tmp}/vornic-skips.XXXXXX")
trap 'rm -rf "$folder"' EXIT
failed=0
expect() {
  local actual
  actual=$("$summary" "$folder")
  if [ "$actual" != "$1" ]; then
    printf 'expected: %s\nactual:   %s\n' "$1" "$actual"
    failed=1
  fi
}

"$summary" --clear "$folder"
expect ""
echo "no corpus at /src/../shared/corpus/text" >"$folder/A.One"
echo "corpus not present" >"$folder/A.Two"
echo "compile check: /src/../shared/tools/wincheck not found" >"$folder/check.1"
echo "layout check: /src/../shared/tools/formlayout.py or python3 not found" >"$folder/check.2"
echo "menu check: wincheck setup cannot run on this machine" >"$folder/check.3"
echo "no tmpfs: mounting needs root" >"$folder/B.Full"
expect "6 tests skipped (3: Windows tools in ../shared/tools missing or not set up;\
 2: no form corpus in ../shared/corpus; 1: no tmpfs: mounting needs root)"
"$summary" --clear "$folder"
echo "no corpus at /x" >"$folder/A.One"
expect "1 test skipped (1: no form corpus in ../shared/corpus)"
"$summary" --clear "$folder"
expect ""
exit $failed
