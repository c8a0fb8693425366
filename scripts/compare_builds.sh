#!/usr/bin/env bash
# Runs two builds of the tool over the same forms and lists every form whose
# outputs differ: the program, the resource script, the console report and
# the exit code. For checking that a change leaves what the tool writes as it
# was, or changes exactly the forms it should.
#
#   scripts/compare_builds.sh OLD NEW [OPTION ...] [-- FORM ...]
#
# OPTIONs go to both tools before the form file (for example --extended).
# Without FORMs: the examples and the forms of ../shared/corpus (text and
# binary). Each form is copied into a folder of its own per build, as the
# tool writes beside its input. Prints one line per differing form and a
# count; KEEP=DIR keeps both builds' files in DIR. Exit code 1 when any form
# differs.
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
old=$(readlink -f "${1:?usage: compare_builds.sh OLD NEW [OPTION ...] [-- FORM ...]}")
new=$(readlink -f "${2:?usage: compare_builds.sh OLD NEW [OPTION ...] [-- FORM ...]}")
shift 2
options=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
[ "${1:-}" = -- ] && shift
forms=("$@")
if [ ${#forms[@]} -eq 0 ]; then
  corpus=${VORNIC_CORPUS:-$root/../shared/corpus}
  forms=("$root"/examples/*.txt)
  [ -d "$corpus/text" ] && forms+=("$corpus"/text/*.dfm)
  [ -d "$corpus/binary" ] && forms+=("$corpus"/binary/*.dfm)
fi

work=${KEEP:-$(mktemp -d "${TMPDIR:-/tmp}/vornic-compare.XXXXXX")}
[ -z "${KEEP:-}" ] && trap 'rm -rf "$work"' EXIT
mkdir -p "$work"

# Runs one build on a copy of the form; leaves the outputs and the console
# report (with the exit code as its last line) in DIR.
run() {
  local tool=$1 form=$2 dir=$3
  mkdir -p "$dir"
  cp "$form" "$dir/"
  local name
  name=$(basename "$form")
  (cd "$dir" && "$tool" "${options[@]}" "$name" >console.txt 2>&1; echo "exit $?" >>console.txt)
}

differing=0
index=0
for form in "${forms[@]}"; do
  index=$((index + 1))
  base=$(basename "$form")
  run "$old" "$form" "$work/old/$index"
  run "$new" "$form" "$work/new/$index"
  # The console names the form as given, which is the same in both.
  if ! diff -rq "$work/old/$index" "$work/new/$index" >/dev/null; then
    differing=$((differing + 1))
    changed=$(diff -rq "$work/old/$index" "$work/new/$index" | sed -E 's#.*/([^/ ]+) (and|differ).*#\1#; s#^Only in .*: ##' | sort -u | tr '\n' ' ')
    echo "differs: $form ($changed) [$index]"
  fi
done
echo "${#forms[@]} forms, $differing differ${KEEP:+ (files in $work)}"
[ "$differing" -eq 0 ]
