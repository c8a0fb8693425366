#!/usr/bin/env bash
# Runs the extended program of examples/controls.txt under Wine and uses it
# as a user would: a timer added to the program presses Tab five times and
# Shift+Tab once, noting which control has the focus each time, then points
# the mouse at the name edit and notes whether its tooltip shows, with what
# text. The notes go into the window's caption, which the run reports. Tab
# must follow the form's TabOrder, not the file's order, and the tooltip
# must show the part of the hint before its "|".
#
#   scripts/keyboard_check.sh VORNIC
#
# Exit codes: 0 as expected; 1 not, or a step failed; 77 skipped because the
# Wine toolchain cannot be set up on this machine.
set -u -o pipefail

. "$(dirname "$0")/example_check.sh"
start_example_check keyboard "${1:-}" controls.txt

# The timer's procedure goes before the window procedure, its start before
# the window is first updated. Each tick first notes the focus, then presses
# the next key (a key posted to the focused window goes through the message
# loop's dialog handling, as a typed one does; Shift is held in the thread's
# keyboard state).
python3 - "$work/controls.dpr" "$work/pressed.dpr" <<'PY'
import sys
text = open(sys.argv[1], 'rb').read().decode('latin-1')
names = ['Edit1', 'Button1', 'CheckBox1', 'RadioButton1', 'RadioButton2', 'RadioButton3',
         'ListBox1']
which = ''.join("\r\n  else if Focus = %s then Result := '%s'" % (n, n) for n in names)
step = ("\r\n{ Presses Tab and Shift+Tab, then points at the name edit; tells in the caption what it found }"
        "\r\nvar\r\n  Step: Integer = 0;\r\n  Seen, Tip: string;\r\n"
        "\r\nfunction FocusName: string;\r\nvar\r\n  Focus: HWND;\r\nbegin\r\n  Focus := GetFocus;"
        "\r\n  if Focus = 0 then Result := 'none'" + which +
        "\r\n  else Result := '?';\r\nend;\r\n"
        "\r\nprocedure Shift(Down: Boolean);\r\nvar\r\n  Keys: TKeyboardState;\r\nbegin"
        "\r\n  GetKeyboardState(Keys);\r\n  if Down then Keys[VK_SHIFT] := $80 else Keys[VK_SHIFT] := 0;"
        "\r\n  SetKeyboardState(Keys);\r\nend;\r\n"
        "\r\nfunction TipText: string;\r\nvar\r\n  Buffer: array[0..255] of WideChar;\r\nbegin"
        "\r\n  Buffer[0] := #0;\r\n  if IsWindowVisible(HintWindow) then begin"
        "\r\n    SendMessageW(HintWindow, WM_GETTEXT, 256, LPARAM(@Buffer));"
        "\r\n    Result := 'shown ' + string(WideString(PWideChar(@Buffer)));"
        "\r\n  end else Result := 'hidden';\r\nend;\r\n"
        "\r\nprocedure PressKeys(Window: HWND; Message: UINT; Id: UINT_PTR; Time: DWORD); stdcall;"
        "\r\nvar\r\n  Box: TRect;\r\nbegin\r\n  Inc(Step);"
        "\r\n  if Step <= 7 then Seen := Seen + ' ' + FocusName;"
        "\r\n  Shift(Step = 6);"
        "\r\n  if Step <= 6 then PostMessage(GetFocus, WM_KEYDOWN, VK_TAB, 0)"
        "\r\n  else if Step = 7 then begin"
        "\r\n    GetWindowRect(Edit1, Box);"
        "\r\n    SetCursorPos((Box.Left + Box.Right) div 2, (Box.Top + Box.Bottom) div 2);"
        "\r\n    PostMessage(Edit1, WM_MOUSEMOVE, 0, MakeLParam(20, 8));"
        "\r\n  end else if Step = 8 then PostMessage(Edit1, WM_MOUSEMOVE, 0, MakeLParam(21, 8))"
        "\r\n  else if Step = 12 then begin"
        "\r\n    Tip := TipText;"
        "\r\n    { Where the mouse moved unseen, the tooltip is asked to show }"
        "\r\n    if Tip = 'hidden' then SendMessageW(HintWindow, TTM_POPUP, 0, 0);"
        "\r\n  end else if Step = 14 then begin"
        "\r\n    if Tip = 'hidden' then Tip := TipText;"
        "\r\n    KillTimer(Window, Id);"
        "\r\n    SetWindowText(hWindow, PChar('Tab:' + Seen + ' | tip ' + Tip));"
        "\r\n  end;\r\nend;\r\n")
anchor = "\r\n{ Custom WindowProc function }"
start = "  SetTimer(hWindow, 77, 250, @PressKeys);\r\n"
if anchor not in text or "  UpdateWindow(hWindow);\r\n" not in text or "HintWindow" not in text:
    sys.exit("the program no longer has the lines the keys are added to")
text = text.replace("Program controls ;", "Program pressed ;", 1).replace(anchor, step + anchor, 1)
text = text.replace("  UpdateWindow(hWindow);\r\n", start + "  UpdateWindow(hWindow);\r\n", 1)
open(sys.argv[2], 'wb').write(text.encode('latin-1'))
PY
[ $? -eq 0 ] || { echo "FAIL: the keys could not be added to the program"; exit 1; }

# A run lasts as long as it is told, unlike a probe, which describes the
# window as soon as the program is idle: between two ticks of the timer.
status=1
window_step run "$work/run.log" \
  "$wincheck" run "$work/pressed.dpr" --shot "$work/pressed.png" --seconds 7 || exit 1

# The run's report ends with the caption: wincheck: window ID WxH+X+Y "caption".
caption=$(sed -n 's/^wincheck: window [^ ]* [^ ]* "\(.*\)"$/\1/p' "$work/run.log" | tail -n 1)
# The form's TabOrder: the edit, the check box, the group's checked radio
# button, the list box, the button, and round again; Shift+Tab goes back.
expected_tabs="Tab: Edit1 CheckBox1 RadioButton1 ListBox1 Button1 Edit1 Button1"
failed=0
if [ "${caption%% | *}" != "$expected_tabs" ]; then
  echo "FAIL tab order: the focus went '${caption%% | *}', not '$expected_tabs'"
  failed=1
fi
if [ "${caption#* | }" != "tip shown Your full name" ]; then
  echo "FAIL tooltip: '${caption#* | }', not 'tip shown Your full name'"
  failed=1
fi
[ "$failed" -eq 0 ] && echo "ok: controls.txt --extended, $caption"
exit "$failed"
