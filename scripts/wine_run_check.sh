#!/usr/bin/env bash
# Translates a few forms and runs each generated program under Wine: the check
# fails when a program crashes or shows no window, and for the bundled examples
# also when a control is out of place or the client area is not the form's.
# Without FORM arguments it also runs the extended translation of
# examples/dialog.txt, whose window must show every control as the form does
# (place, font, hidden, disabled), and whose Enter and Escape keys must press
# its OK and Cancel buttons; and that of examples/containers.txt: its window
# as the form has it, and once more with the third tab chosen as a click
# chooses it, when only that page's controls may show. The example of the
# common controls runs in the extended translation among the forms, and must
# also leave none of its controls out.
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
  # A window that did not appear in time (exit 5) is, on a busy machine, now
  # and then a slow start: it is worth one more try.
  for _ in 1 2; do
    if [ "$check_layout" -eq 0 ]; then
      "$wincheck" run "$dir/run$index.dpr" --seconds 3 --shot "$dir/run$index.png" >"$dir/run.log" 2>&1
    else
      "$wincheck" probe "$dir/run$index.dpr" --out "$dir/run$index.tsv" >"$dir/run.log" 2>&1
    fi
    status=$?
    [ "$status" -ne 5 ] && break
  done
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

# The program of $1 with every click report written into the window's caption
# and key $2 sent to the focused control as soon as the loop runs; prints the
# caption the probe finds then.
caption_after_key() {
  local dpr=$1 key=$2 keyed=${1%.dpr}_$2.dpr
  sed -e "s/MessageBox\(W\?\)(hWindow,\('[A-Za-z0-9_]*'\),'Check',MB_OK)/SetWindowText\1(hWindow,\2)/" \
      -e "s/^  SetFocus(\(.*\));\r\$/  SetFocus(\1);\r\n  PostMessage(GetFocus,WM_KEYDOWN,$key,0);\r/" \
      "$dpr" >"$keyed"
  cp "${dpr%.dpr}.rc" "${keyed%.dpr}.rc"
  # A window that did not come up in time is worth one more try.
  "$wincheck" probe "$keyed" --out "${keyed%.dpr}.tsv" >/dev/null 2>&1 ||
    "$wincheck" probe "$keyed" --out "${keyed%.dpr}.tsv" >/dev/null 2>&1 &&
    awk -F '\t' '$1 == "window" { print $3 }' "${keyed%.dpr}.tsv"
}

if [ "$#" -eq 0 ]; then
  dir="$work/extended"
  mkdir -p "$dir"
  cp "$root/examples/dialog.txt" "$dir/dialog.txt"
  # The click reports are the message boxes of a program without handlers.
  if ! (cd "$dir" && "$vornic" --extended --no-events dialog.txt >translate.log 2>&1) ||
     ! "$wincheck" probe "$dir/dialog.dpr" --out "$dir/dialog.tsv" >"$dir/run.log" 2>&1; then
    echo "FAIL run: dialog.txt --extended"
    tail -n 5 "$dir/run.log" "$dir/translate.log" 2>/dev/null | sed 's/^/    /'
    failed=$((failed + 1))
  else
    summary=$(python3 "$formlayout" "$dir/dialog.txt" "$dir/dialog.tsv" | tail -n 1)
    for expected in ' missing 0 ' ' misplaced 0 ' ' hidden-should-show 0 ' \
                    ' shown-should-hide 0 ' ' clipped 0 ' ' system-font 0 ' ' font-differs 0 ' \
                    ' enabled-differs 0 ' 'client-size ok'; do
      if ! grep -q -- "$expected" <<<"$summary"; then
        echo "FAIL layout: dialog.txt --extended: $summary"
        failed=$((failed + 1))
        break
      fi
    done
    enter=$(caption_after_key "$dir/dialog.dpr" VK_RETURN)
    escape=$(caption_after_key "$dir/dialog.dpr" VK_ESCAPE)
    if [ "$enter" != OkButtonClick ] || [ "$escape" != CancelButtonClick ]; then
      echo "FAIL keys: dialog.txt --extended: Enter gave '$enter', Escape gave '$escape'"
      failed=$((failed + 1))
    else
      echo "ok: dialog.txt --extended"
    fi
  fi
fi

# The visibility column of the probed child window whose text is $2.
visible_with_text() {
  awk -F'\t' -v text="$2" '$1 == "child" && $4 == text { print $9; exit }' "$1"
}

# The extended translation of the containers example. The form's own window
# first; then a copy of the program that, before its message loop, chooses
# the third tab the way a click does (the tab control changes its selection
# and tells the main window with WM_NOTIFY): only the third page's controls
# may show then, nested tab control included.
check_pages() {
  local dir="$work/pages" summary
  mkdir -p "$dir"
  cp "$root/examples/containers.txt" "$dir/pages.txt"
  if ! (cd "$dir" && "$vornic" --extended pages.txt >translate.log 2>&1); then
    echo "FAIL translate: containers.txt --extended: $(tail -n 1 "$dir/translate.log")"
    return 1
  fi
  if ! "$wincheck" probe "$dir/pages.dpr" --out "$dir/pages.tsv" >"$dir/run.log" 2>&1; then
    echo "FAIL run: containers.txt --extended"
    tail -n 5 "$dir/run.log" | sed 's/^/    /'
    return 1
  fi
  summary=$(python3 "$formlayout" "$dir/pages.txt" "$dir/pages.tsv" | tail -n 1)
  if ! grep -q ' missing 0 misplaced 0 hidden-should-show 0 ' <<<"$summary" ||
     ! grep -q ' clipped 0 ' <<<"$summary" || ! grep -q 'client-size ok' <<<"$summary"; then
    echo "FAIL layout: containers.txt --extended: $summary"
    return 1
  fi
  sed -e 's/^Program pages ;/Program chosen ;/' \
      -e 's/^Var WinClass: \(TWndClass[AW]\);\r$/Var ChosenTab: TNMHdr;\r\n    WinClass: \1;\r/' \
      -e '/^  UpdateWindow(hWindow);\r$/i\  TabCtrl_SetCurSel(PageControl1, 2);\r\n  ChosenTab.hwndFrom := PageControl1;\r\n  ChosenTab.code := UINT(TCN_SELCHANGE);\r\n  SendMessage(hWindow, WM_NOTIFY, 0, LPARAM(@ChosenTab));\r' \
      "$dir/pages.dpr" >"$dir/chosen.dpr"
  if [ "$(grep -c 'ChosenTab' "$dir/chosen.dpr")" -ne 4 ]; then
    echo "FAIL pages: the program no longer has the lines the tab choice is added to"
    return 1
  fi
  if ! "$wincheck" probe "$dir/chosen.dpr" --out "$dir/chosen.tsv" >"$dir/chosen.log" 2>&1; then
    echo "FAIL run: containers.txt --extended, third tab chosen"
    tail -n 5 "$dir/chosen.log" | sed 's/^/    /'
    return 1
  fi
  local text want got wrong=0
  while IFS='|' read -r want text; do
    got=$(visible_with_text "$dir/chosen.tsv" "$text")
    if [ "$got" != "$want" ]; then
      echo "FAIL pages: after the third tab is chosen, '$text' has visible '${got:-no window}', not $want"
      wrong=1
    fi
  done <<'EXPECTED'
1|on the third page, inside a tab control
1|OK
0|on the first page
0|on the second page
0|on a hidden page
EXPECTED
  [ "$wrong" -eq 0 ] || return 1
  echo "ok: containers.txt --extended, and its third tab chosen"
}

if [ $# -eq 0 ] && ! check_pages; then
  failed=$((failed + 1))
fi
[ "$failed" -eq 0 ]
