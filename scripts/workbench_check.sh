#!/usr/bin/env bash
# Runs the program that the extended translation makes of
# examples/workbench.txt under Wine. Its window must show every control where
# the form puts it, with the menu bar and only the first sheet's controls.
# Then a copy of the program clicks the third tab and opens the File menu as
# its message loop starts, as a user would: the probe must find the third
# sheet chosen, its controls shown, the other sheets' hidden, and the File
# menu open (the bar's item highlighted).
#
#   scripts/workbench_check.sh VORNIC
#
# Exit codes: 0 as expected, 1 not, 77 skipped (no Wine toolchain here).
set -u -o pipefail

. "$(dirname "$0")/example_check.sh"
start_example_check workbench "${1:-}" workbench.txt
formlayout=$(dirname "$wincheck")/formlayout.py

# Probes program $1 into $2; a window that did not appear in time is once in
# a while a slow start, worth one more try.
probe() {
  window_step "probe of $(basename "$1")" "${2%.tsv}.log" "$wincheck" probe "$1" --out "$2"
}

# The visible column of the first probed child window whose class or text is $2.
visible_of() {
  awk -F'\t' -v key="$2" '$1 == "child" && ($2 == key || $4 == key) { print $9; exit }' "$1"
}

failed=0
probe "$work/workbench.dpr" "$work/start.tsv" || exit 1
summary=$(python3 "$formlayout" "$work/workbench.txt" "$work/start.tsv" | tail -n 1)
for expected in ' missing 0 misplaced 0 hidden-should-show 0 shown-should-hide 0 clipped 0 ' \
                ' system-font 0 ' 'menu-items form 12 window 12 ' 'client-size ok'; do
  if ! grep -q -- "$expected" <<<"$summary"; then
    echo "FAIL layout: $summary"
    failed=1
    break
  fi
done

# The click goes to the middle of the third tab, as the tab control has
# sized it; the tab control then tells the main window with TCN_SELCHANGE.
sed -e 's/^Program workbench ;/Program clicked ;/' \
    -e 's/^Var WinClass: \(TWndClass[AW]\);\r$/Var ThirdTab: TRect;\r\n    WinClass: \1;\r/' \
    -e '/^  UpdateWindow(hWindow);\r$/i\  TabCtrl_GetItemRect(PageControl1, 2, ThirdTab);\r\n  PostMessage(PageControl1, WM_LBUTTONDOWN, MK_LBUTTON, MakeLong((ThirdTab.Left + ThirdTab.Right) div 2, (ThirdTab.Top + ThirdTab.Bottom) div 2));\r\n  PostMessage(PageControl1, WM_LBUTTONUP, 0, MakeLong((ThirdTab.Left + ThirdTab.Right) div 2, (ThirdTab.Top + ThirdTab.Bottom) div 2));\r\n  PostMessage(hWindow, WM_SYSCOMMAND, SC_KEYMENU, Ord('"'f'"'));\r' \
    "$work/workbench.dpr" >"$work/clicked.dpr"
if [ "$(grep -c 'ThirdTab' "$work/clicked.dpr")" -ne 4 ]; then
  echo "FAIL: the program no longer has the lines the click is added to"
  exit 1
fi
probe "$work/clicked.dpr" "$work/clicked.tsv" || exit 1

# Each row: a window's class or text, visible at the start, visible after
# the third tab is clicked.
while IFS='|' read -r key before after; do
  got_before=$(visible_of "$work/start.tsv" "$key")
  got_after=$(visible_of "$work/clicked.tsv" "$key")
  if [ "$got_before" != "$before" ] || [ "$got_after" != "$after" ]; then
    echo "FAIL pages: '$key' visible ${got_before:-no window} then ${got_after:-no window}," \
         "not $before then $after"
    failed=1
  fi
done <<'EXPECTED'
on the first sheet|1|0
Priority|1|0
Normal|1|0
SysDateTimePick32|1|0
msctls_updown32|1|0
SysListView32|0|0
SysTreeView32|0|1
Show hidden folders|0|1
OK|1|1
EXPECTED

selected=$(awk -F'\t' '$1 == "child" && $2 == "SysTabControl32" { print $16; exit }' "$work/clicked.tsv")
if [ "$selected" != 2 ]; then
  echo "FAIL pages: the tab control has tab '${selected:-?}' chosen, not the third"
  failed=1
fi
file_menu=$(awk -F'\t' '$1 == "menu" && $2 == 0 && $3 == 0 { print $4 "\t" $6; exit }' "$work/clicked.tsv")
if [ "$file_menu" != "$(printf '&File\tpopup,hilite')" ]; then
  echo "FAIL menu: the File menu is not open: '$file_menu'"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: workbench.txt --extended, its third tab clicked and File menu opened; $summary"
exit "$failed"
