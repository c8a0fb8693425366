#!/usr/bin/env bash
# Runs the program that the extended translation makes of examples/menus.txt
# under Wine and reads its menu bar from inside the live window (wincheck
# probe): every item must be there as the form describes it (depth, position,
# caption with its shortcut, flags), and the client area must keep the form's
# size below the bar.
#
#   scripts/menu_check.sh VORNIC
#
# Exit codes: 0 the bar is as expected, 1 it is not, 77 skipped (no Wine
# toolchain on this machine).
set -u -o pipefail

. "$(dirname "$0")/example_check.sh"
start_example_check menu "${1:-}" menus.txt
formlayout=$(dirname "$wincheck")/formlayout.py
expected="$root/tests/golden/menus.menu.tsv"
window_step probe "$work/probe.log" "$wincheck" probe "$work/menus.dpr" || exit 1

# Popup menus' ids are handles, which differ from run to run.
awk -F'\t' '$1 == "menu" { print $2 "\t" $3 "\t" $4 "\t" ($6 ~ /popup/ ? "-" : $5) "\t" $6 }' \
  "$work/menus.probe.tsv" >"$work/menu.tsv"
failed=0
if ! diff -u "$expected" "$work/menu.tsv"; then
  echo "FAIL: the menu bar differs from $expected"
  failed=1
fi
summary=$(python3 "$formlayout" "$work/menus.txt" "$work/menus.probe.tsv" | tail -n 1)
if ! grep -q 'client-size ok' <<<"$summary" || ! grep -q ' misplaced 0 ' <<<"$summary"; then
  echo "FAIL layout: $summary"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: $(wc -l <"$work/menu.tsv") menu items; $summary"
exit "$failed"
