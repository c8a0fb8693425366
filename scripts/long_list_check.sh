#!/usr/bin/env bash
# Writes a form with a list of 1,001 entries in every control whose list the
# extended translation writes as data, and in each control that shows the
# images of an image list beside its entries, translates it with --extended,
# and compiles the program with a real Pascal compiler (through wincheck): the
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

# Appends little-endian 32-bit integers as hex digits to the variable $1.
put32() {
  local -n out=$1
  local value hex
  for value in "${@:2}"; do
    printf -v hex '%02X%02X%02X%02X' $((value & 255)) $(((value >> 8) & 255)) \
      $(((value >> 16) & 255)) $(((value >> 24) & 255))
    out+=$hex
  done
}
# Appends the text $2$3 (a letter and ASCII digits) to the variable $1 as a
# length byte and hex digits.
put_text() {
  local -n out=$1
  local digits=$3 hex c
  printf -v hex '%02X%02X' $((1 + ${#digits})) "'$2"
  for ((c = 0; c < ${#digits}; c++)); do hex+=3${digits:c:1}; done
  out+=$hex
}
# 1,001 list view items and tree nodes as the class library streams them,
# each with an image index (-1, none, for every fourth), a state image and,
# in the tree, a selected image; every node at the root.
items= nodes=
put32 nodes 1001
for ((i = 0; i < 1001; i++)); do
  image=$((i % 4 - 1))
  put32 items $image $((i % 3)) -1 0 0
  put_text items I $i
  put32 nodes $((26 + ${#i})) $image $((i % 2)) $((i % 3)) -1 0 0
  put_text nodes N $i
done
header=
put32 header $((8 + ${#items} / 2)) 1001
items=$header$items
# Data lines of a form value.
data_lines() { fold -w 64 <<<"$1" | sed 's/^/      /; $!s/$/\r/'; }
# An image list of one image of one pixel.
icons=494C010101000200040001000100FFFFFFFFFE10FFFFFFFFFFFFFFFF424D360000000000000036000000
icons+=28000000010000000100000001001800000000000400000000000000000000000000000000000000
icons+=0080FF00

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
  # The same lists showing images, and the views' stored items with theirs.
  for writer in TTabControl:Tabs TComboBoxEx:Items; do
    n=$((n + 1))
    printf '  object Control%d: %s\r\n    Left = 8\r\n    Top = %d\r\n' \
      "$n" "${writer%%:*}" $((n * 20))
    printf '    Width = 140\r\n    Height = 180\r\n    Images = Icons\r\n'
    printf '    %s.Strings = (%s)\r\n  end\r\n' "${writer#*:}" "$entries"
  done
  printf '  object Control11: TListView\r\n    Left = 8\r\n    Top = 8\r\n    Width = 140\r\n'
  printf '    Height = 180\r\n    SmallImages = Icons\r\n    StateImages = Icons\r\n'
  printf '    Items.Data = {\r\n%s}\r\n  end\r\n' "$(data_lines "$items")"
  printf '  object Control12: TTreeView\r\n    Left = 8\r\n    Top = 8\r\n    Width = 140\r\n'
  printf '    Height = 180\r\n    Images = Icons\r\n    StateImages = Icons\r\n'
  printf '    Items.Data = {\r\n%s}\r\n  end\r\n' "$(data_lines "$nodes")"
  printf '  object Icons: TImageList\r\n    Bitmap = {\r\n%s}\r\n  end\r\n' \
    "$(data_lines "$icons")"
  printf 'end\r\n'
} >"$work/lists.txt"

if ! (cd "$work" && "$vornic" --extended lists.txt >translate.log 2>&1); then
  echo "FAIL translate: $(tail -n 1 "$work/translate.log")"
  exit 1
fi
calls=$(grep -cE '^  (AddListEntries|AppendListLines|AddRadioItems|InsertList(Image)?Tabs|'\
'AddComboItems|AddViewImageItems|SetViewStates|AddTreeImageNodes)\(' "$work/lists.dpr")
if [ "$calls" -ne 26 ]; then
  echo "FAIL: $calls calls walk the arrays, 26 expected (two arrays for each of ten lists," \
    "two for the list view's items and two for their states, two for the tree's nodes)"
  exit 1
fi
if ! "$wincheck" compile "$work/lists.dpr" >"$work/compile.log" 2>&1; then
  echo "FAIL compile:"
  grep -E 'Error|Fatal' "$work/compile.log" | head -n 10
  exit 1
fi
echo "PASS: twelve lists of 1,001 entries written as data and compiled"
