#!/usr/bin/env bash
# Writes a form with a list of 1,001 entries in every control whose list the
# extended translation writes as data, translates it with --extended, and
# compiles the program with a real Pascal compiler (through wincheck): the
# arrays, the procedures that walk them and the literals they hold must all
# be Pascal the compiler takes.
#
#   scripts/long_list_check.sh VORNIC
#
# Exit codes: 0 compiled, 1 not written as data or not compiled, 77 skipped
# because the compiler toolchain cannot be set up on this machine.
set -u -o pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
vornic=$(readlink -f "${1:?usage: long_list_check.sh VORNIC}")
wincheck=${VORNIC_WINCHECK:-$root/../shared/tools/wincheck}

if [ ! -x "$wincheck" ]; then
  echo "SKIPPED: long list check: $wincheck not found"
  exit 77
fi
if ! setup_log=$("$wincheck" setup 2>&1); then
  echo "SKIPPED: long list check: wincheck setup cannot run on this machine: $(tail -n 1 <<<"$setup_log")"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-lists.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The entries, made once: quotes, codes above a byte, an empty text, codes
# alone.
entries=
for ((i = 0; i < 1001; i++)); do
  case $((i % 4)) in
    0) entries+=$'\r\n'"      'Entry $i'" ;;
    1) entries+=$'\r\n'"      'it''s'#13#10'$i'" ;;
    2) entries+=$'\r\n'"      ''" ;;
    *) entries+=$'\r\n'"      #65'$i'#1078" ;;
  esac
done

{
  printf 'object Form1: TForm1\r\n  Left = 0\r\n  Top = 0\r\n  Width = 640\r\n'
  printf '  Height = 480\r\n  Caption = '"'"'Lists'"'"'\r\n  TextHeight = 13\r\n'
  n=0
  for writer in TListBox:Items TComboBox:Items TMemo:Lines TRadioGroup:Items \
                TTabControl:Tabs TCheckListBox:Items TComboBoxEx:Items TRichEdit:Lines; do
    class=${writer%%:*}
    n=$((n + 1))
    printf '  object Control%d: %s\r\n    Left = %d\r\n    Top = %d\r\n' \
      "$n" "$class" $((8 + (n % 4) * 150)) $((8 + (n / 4) * 200))
    printf '    Width = 140\r\n    Height = 180\r\n    ItemIndex = 2\r\n'
    printf '    %s.Strings = (%s)\r\n  end\r\n' "${writer#*:}" "$entries"
  done
  printf 'end\r\n'
} >"$work/lists.txt"

if ! (cd "$work" && "$vornic" --extended lists.txt >translate.log 2>&1); then
  echo "FAIL translate: $(tail -n 1 "$work/translate.log")"
  exit 1
fi
calls=$(grep -cE '^  (AddListEntries|AppendListLines|AddRadioItems|InsertListTabs)\(' "$work/lists.dpr")
if [ "$calls" -ne 16 ]; then
  echo "FAIL: $calls calls walk the arrays, 16 expected (two arrays for each of eight lists)"
  exit 1
fi
if ! "$wincheck" compile "$work/lists.dpr" >"$work/compile.log" 2>&1; then
  echo "FAIL compile:"
  grep -E 'Error|Fatal' "$work/compile.log" | head -n 10
  exit 1
fi
echo "PASS: eight lists of 1,001 entries written as data and compiled"
