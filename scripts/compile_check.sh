#!/usr/bin/env bash
# Translates every bundled example and every public corpus form, then compiles
# each generated program with a real Pascal compiler (through wincheck).
#
#   scripts/compile_check.sh [--extended] VORNIC [FORM ...]
#
# With --extended the forms are translated with the extended translation, and
# each program compiles with the handler file it writes beside itself (stubs
# of every handler the form names); a program that includes a handler file
# the run did not write fails.
#
# Exit codes: 0 all compiled, 1 a program failed to translate or compile,
# 77 skipped because the compiler toolchain cannot be set up on this machine.
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
options=()
if [ "${1:-}" = --extended ]; then
  options=(--extended)
  shift
fi
vornic=$(readlink -f "${1:?usage: compile_check.sh [--extended] VORNIC [FORM ...]}")
shift
wincheck=${VORNIC_WINCHECK:-$root/../shared/tools/wincheck}
corpus=${VORNIC_CORPUS:-$root/../shared/corpus}

if [ ! -x "$wincheck" ]; then
  echo "SKIPPED: compile check: $wincheck not found"
  exit 77
fi
if ! setup_log=$("$wincheck" setup 2>&1); then
  echo "SKIPPED: compile check: wincheck setup cannot run on this machine: $(tail -n 1 <<<"$setup_log")"
  exit 77
fi

forms=("$@")
if [ ${#forms[@]} -eq 0 ]; then
  forms=("$root"/examples/*.txt)
  [ -d "$corpus/text" ] && forms+=("$corpus"/text/*.dfm)
  [ -d "$corpus/binary" ] && forms+=("$corpus"/binary/*.dfm)
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-compile.XXXXXX")
trap 'rm -rf "$work"' EXIT

passed=0 failed=0 index=0
for form in "${forms[@]}"; do
  index=$((index + 1))
  name=$(basename "$form")
  # Corpus text forms carry ".dfm" names; the tool tells the encodings apart
  # by extension, and a program name must be an identifier.
  case "$form" in
    "$corpus"/binary/*) ext=dfm ;;
    *) ext=txt ;;
  esac
  dir="$work/$index"
  mkdir -p "$dir"
  cp "$form" "$dir/form$index.$ext"
  if ! (cd "$dir" && "$vornic" ${options[@]+"${options[@]}"} "form$index.$ext" >translate.log 2>&1) ||
     grep -q '^\[Error\]' "$dir/translate.log"; then
    echo "FAIL translate: $name: $(tail -n 1 "$dir/translate.log")"
    failed=$((failed + 1))
    continue
  fi
  include=$(sed -n 's/^{\$I \(.*\)}\r\{0,1\}$/\1/p' "$dir/form$index.dpr" | head -n 1)
  if [ -n "$include" ] && [ ! -f "$dir/$include" ]; then
    echo "FAIL handler file: $name: the program includes $include, which the run did not write"
    failed=$((failed + 1))
    continue
  fi
  if "$wincheck" compile "$dir/form$index.dpr" >"$dir/compile.log" 2>&1; then
    passed=$((passed + 1))
  else
    echo "FAIL compile: $name"
    grep -a -E 'Error|Fatal' "$dir/compile.log" | head -n 5 | sed 's/^/    /'
    failed=$((failed + 1))
  fi
done

echo "compile check${options[*]+ ${options[*]}}: $passed compiled, $failed failed"
[ "$failed" -eq 0 ]
