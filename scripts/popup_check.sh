#!/usr/bin/env bash
# Runs the extended program of examples/actions.txt under Wine, opens the
# popup menu of its list box as the menu key would (WM_CONTEXTMENU without a
# mouse position), and checks that a popup menu is open: a timer added to the
# program writes what it finds into the window's caption, which the probe
# reads. Also checks that the window's tool bar shows its action's images.
#
#   scripts/popup_check.sh VORNIC
#
# Exit codes: 0 the popup opened; 1 it did not, or a step failed; 77 skipped
# because the Wine toolchain cannot be set up on this machine.
set -u -o pipefail

. "$(dirname "$0")/example_check.sh"
start_example_check popup "${1:-}" actions.txt

# The timer's procedure goes before the window procedure; the right click
# and the timer before the window is first updated.
python3 - "$work/actions.dpr" "$work/clicked.dpr" <<'PY'
import sys
text = open(sys.argv[1], 'rb').read().decode('latin-1')
see = ("\r\n{ Tells in the window's caption whether a popup menu is open }\r\n"
       "procedure SeePopup(Window: HWND; Message: UINT; Id: UINT_PTR; Time: DWORD); stdcall;\r\n"
       "var\r\n  Menu: HWND;\r\nbegin\r\n  KillTimer(Window, Id);\r\n"
       "  Menu := FindWindow('#32768', nil);\r\n"
       "  if (Menu <> 0) and IsWindowVisible(Menu) then SetWindowText(hWindow, 'Popup open')\r\n"
       "  else SetWindowText(hWindow, 'Popup closed');\r\nend;\r\n")
anchor = "\r\n{ Custom WindowProc function }"
click = ("  PostMessage(hWindow, WM_CONTEXTMENU, WPARAM(ListBox1), -1);\r\n"
         "  SetTimer(hWindow, 77, 300, @SeePopup);\r\n")
if anchor not in text or "  UpdateWindow(hWindow);\r\n" not in text:
    sys.exit("the program no longer has the lines the click is added to")
text = text.replace("Program actions ;", "Program clicked ;", 1).replace(anchor, see + anchor, 1)
text = text.replace("  UpdateWindow(hWindow);\r\n", click + "  UpdateWindow(hWindow);\r\n", 1)
open(sys.argv[2], 'wb').write(text.encode('latin-1'))
PY
[ $? -eq 0 ] || { echo "FAIL: the click could not be added to the program"; exit 1; }
cp "$work/actions.rc" "$work/clicked.rc"

status=1
window_step probe "$work/probe.log" \
  "$wincheck" probe "$work/clicked.dpr" --out "$work/clicked.tsv" --seconds 10 || exit 1

failed=0
caption=$(awk -F'\t' '$1 == "window" { print $3; exit }' "$work/clicked.tsv")
if [ "$caption" != "Popup open" ]; then
  echo "FAIL popup: the list box's popup menu is not open (the caption says '$caption')"
  failed=1
fi
images=$(awk -F'\t' '$1 == "child" && $2 == "ToolbarWindow32" { print $22; exit }' "$work/clicked.tsv")
if [ "$images" != "images:5/5" ]; then
  echo "FAIL tool bar: its buttons show '${images:-no tool bar}', not images:5/5"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: actions.txt --extended, its list box's popup menu opened, tool bar $images"
exit "$failed"
