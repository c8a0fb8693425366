#!/usr/bin/env bash
# Runs the program that the extended translation makes of
# examples/behaviour.txt under Wine and reads its live windows (wincheck
# probe): each edit has the styles its form values ask for (password, read
# only, numbers only, lower case, right aligned), and what the multi-line
# page control's sheets hold stands below its second row of tabs.
#
#   scripts/behaviour_check.sh VORNIC
#
# Exit codes: 0 as expected, 1 not, 77 skipped (no Wine toolchain here).
set -u -o pipefail

. "$(dirname "$0")/example_check.sh"
start_example_check behaviour "${1:-}" behaviour.txt
window_step probe "$work/probe.log" "$wincheck" probe "$work/behaviour.dpr" || exit 1

python3 - "$work/behaviour.probe.tsv" <<'PY'
import sys

# Edit styles: ES_RIGHT 0x2, ES_LOWERCASE 0x10, ES_PASSWORD 0x20,
# ES_AUTOHSCROLL 0x80, ES_READONLY 0x800, ES_NUMBER 0x2000.
expected = {  # window text -> (styles it must have, styles it must not have)
    "ada": (0x10 | 0x80, 0x20 | 0x800),
    "secret": (0x20 | 0x80, 0x800 | 0x2000),
    "1234": (0x2 | 0x2000, 0x20),
    "sign-in.example.org (fixed)": (0x800, 0x20 | 0x2000),
}
children = {}
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    cols = line.rstrip("\n").split("\t")
    if cols[0] == "child":
        children[cols[3]] = cols
failed = []
for text, (having, lacking) in expected.items():
    cols = children.get(text)
    if cols is None or cols[1] != "Edit":
        failed.append("no edit showing %r" % text)
        continue
    style = int(cols[16], 16)
    if style & having != having or style & lacking:
        failed.append("edit %r has style %s" % (text, cols[16]))
tabs = [c for c in children.values() if c[1] == "SysTabControl32"]
memo = [c for t, c in children.items() if t.startswith("Without word wrap")]
if not tabs or not memo:
    failed.append("no page control or no memo")
else:
    # One row of tabs puts the page 24 pixels below the window's top; the
    # second row moves what the page holds further down.
    page_top = int(tabs[0][5]) + 24
    if int(memo[0][5]) < page_top + 4 + 10:
        failed.append("the memo stands at %s, not below the second row of tabs" % memo[0][5])
for reason in failed:
    print("FAIL: " + reason)
if not failed:
    print("ok: edit styles as the form says; the memo stands below both rows of tabs")
sys.exit(1 if failed else 0)
PY
