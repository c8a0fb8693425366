#!/usr/bin/env bash
# Runs the extended program of examples/counter.txt, with its hand-written
# handler file examples/counter.events.inc, under Wine. The translation must
# leave that file as it is. A copy of the program then clicks as a user
# would, through messages posted as its loop starts: +1 three times, -1
# once, the lock check box, and the window's close box. The probe must find
# the count 2 in the edit, the reset button disabled, the timer's label
# moving on, and a timer added to the program reports in the window's
# caption what the probe cannot read: the history list's items, and the
# question that the close query asked instead of closing.
#
#   scripts/counter_check.sh VORNIC
#
# Exit codes: 0 as expected, 1 not, 77 skipped (no Wine toolchain here).
set -u -o pipefail

. "$(dirname "$0")/example_check.sh"
start_example_check counter "${1:-}" counter.txt counter.events.inc
if ! cmp -s "$root/examples/counter.events.inc" "$work/counter.events.inc" ||
   grep -q 'Handler' "$work/translate.log"; then
  echo "FAIL: the translation changed the handler file: $(grep Handler "$work/translate.log")"
  exit 1
fi

# The report goes after the handler file, whose helpers it uses, and is
# made again every 100 ms, so that the probe finds it however soon it looks;
# the clicks and the report's timer go before the window is first updated, and the
# clock ticks every 50 ms instead of every second.
python3 - "$work/counter.dpr" "$work/clicked.dpr" <<'PY'
import sys
text = open(sys.argv[1], 'rb').read().decode('latin-1')
report = ("\r\n{ Tells in the window's caption what the history holds and whether a"
          "\r\n  question is open }"
          "\r\nprocedure Report(Window: HWND; Message: UINT; Id: UINT_PTR; Time: DWORD); stdcall;"
          "\r\nvar\r\n  Asked: string;\r\nbegin"
          "\r\n  if FindWindow('#32770', 'Counter') <> 0 then Asked := 'asked' else Asked := 'not asked';"
          "\r\n  SetWindowText(hWindow, PChar(IntToStr(ItemCount(HistoryList)) + ' items, last '"
          " + ItemText(HistoryList, 0) + ', ' + Asked));\r\nend;\r\n")
clicks = "".join("  PostMessage(%s, BM_CLICK, 0, 0);\r\n" % button for button in
                 ["PlusButton", "PlusButton", "PlusButton", "MinusButton", "LockBox"])
clicks += ("  PostMessage(hWindow, WM_CLOSE, 0, 0);\r\n"
           "  SetTimer(hWindow, 77, 100, @Report);\r\n")
anchor = "\r\n{ Custom WindowProc function }"
update = "  UpdateWindow(hWindow);\r\n"
tick = "SetTimer(hWindow, Clock, 1000, nil);"
if anchor not in text or update not in text or tick not in text:
    sys.exit("the program no longer has the lines the clicks are added to")
text = text.replace("Program counter ;", "Program clicked ;", 1).replace(anchor, report + anchor, 1)
text = text.replace(update, clicks + update, 1).replace(tick, tick.replace("1000", "50"), 1)
open(sys.argv[2], 'wb').write(text.encode('latin-1'))
PY
[ $? -eq 0 ] || { echo "FAIL: the clicks could not be added to the program"; exit 1; }

status=1
window_step "probe: the window closed without asking, or did not come up" "$work/probe.log" \
  "$wincheck" probe "$work/clicked.dpr" --out "$work/clicked.tsv" --seconds 10 || exit 1

# The column $3 of the child window whose text is $2 ($3: 4 text, 10 enabled).
child() {
  awk -F'\t' -v key="$2" -v column="$3" '$1 == "child" && ($4 == key || $2 == key) { print $column; exit }' "$1"
}

failed=0
expect() {
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: '$2', expected '$3'"
    failed=1
  fi
}
tsv=$work/clicked.tsv
expect "count" "$(awk -F'\t' '$1 == "child" && $2 == "Edit" { print $4; exit }' "$tsv")" 2
expect "reset button enabled" "$(child "$tsv" Reset 10)" 0
expect "caption" "$(awk -F'\t' '$1 == "window" { print $3; exit }' "$tsv")" \
       "5 items, last -1 gives 2, asked"
ticks=$(awk -F'\t' '$1 == "child" && $4 ~ /^Running for / { print $4; exit }' "$tsv")
if [ -z "$ticks" ] || [ "$ticks" = "Running for 0 s" ]; then
  echo "FAIL timer: the label says '${ticks:-nothing}'"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: counter.txt --extended: count 2, reset locked, $ticks, the close asked"
exit "$failed"
