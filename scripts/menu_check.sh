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

root=$(cd "$(dirname "$0")/.." && pwd)
vornic=$(readlink -f "${1:?usage: menu_check.sh VORNIC}")
wincheck=${VORNIC_WINCHECK:-$root/../shared/tools/wincheck}
formlayout=$(dirname "$wincheck")/formlayout.py
expected="$root/tests/golden/menus.menu.tsv"

if [ ! -x "$wincheck" ] || ! "$wincheck" setup >/dev/null 2>&1; then
  echo "SKIPPED: menu check: wincheck setup cannot run on this machine"
  exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vornic-menus.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp "$root/examples/menus.txt" "$work/menus.txt"
if ! (cd "$work" && "$vornic" --extended menus.txt >translate.log 2>&1); then
  echo "FAIL translate: $(tail -n 1 "$work/translate.log")"
  exit 1
fi
# A window that did not appear in time is once in a while a slow start.
for _ in 1 2; do
  "$wincheck" probe "$work/menus.dpr" >"$work/probe.log" 2>&1
  status=$?
  [ "$status" -ne 5 ] && break
done
if [ "$status" -ne 0 ]; then
  echo "FAIL probe (exit $status)"
  tail -n 5 "$work/probe.log" | sed 's/^/    /'
  exit 1
fi

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
