#!/usr/bin/env bash
# Runs the extended program of examples/resizable.txt under Wine and uses its
# window as a user would: drags its splitter 60 pixels to the right and
# scrolls its scroll box to the end, by its bar and by the wheel (messages
# that a few lines added to the program post to its window), makes
# the window larger, then smaller than its Constraints allow, and runs it at
# 144 dots per inch. The probe reads where each window is; formlayout
# compares with where Align and Anchors put the controls.
#
#   scripts/resize_check.sh VORNIC
#
# Exit codes: 0 every step found the windows where they belong; 1 one did
# not, or a step failed; 77 skipped because the Wine toolchain cannot be set
# up on this machine.
set -u -o pipefail

if ! command -v python3 >/dev/null; then
  echo "SKIPPED: resize check: python3 not found"
  exit 77
fi
. "$(dirname "$0")/example_check.sh"
start_example_check resize "${1:-}" resizable.txt
formlayout=${VORNIC_FORMLAYOUT:-$(dirname "$wincheck")/formlayout.py}

# The drag: the button goes down on the splitter (designed at 160..165, 36..356),
# the mouse moves 60 pixels right, the button comes up; then the scroll box
# of options is scrolled to its end. Posted once the window is laid out,
# before it is first updated.
python3 - "$work/resizable.dpr" "$work/dragged.dpr" "$work/wheeled.dpr" <<'PY'
import re, sys
text = open(sys.argv[1], 'rb').read().decode('latin-1')
box = re.search(r"\{ (\d+): OptionsBox \}", text)
drag = ("  PostMessage(hWindow, WM_LBUTTONDOWN, MK_LBUTTON, MakeLong(162, 196));\r\n"
        "  PostMessage(hWindow, WM_MOUSEMOVE, MK_LBUTTON, MakeLong(222, 196));\r\n"
        "  PostMessage(hWindow, WM_LBUTTONUP, 0, MakeLong(222, 196));\r\n")
if "  UpdateWindow(hWindow);\r\n" not in text or "StartSplit(" not in text or not box:
    sys.exit("the program no longer has the lines the drag is added to")
drag += "  PostMessage(hWindow, WM_VSCROLL, SB_BOTTOM, LParam(LayoutBar[%s, 1]));\r\n" % box.group(1)
dragged = text.replace("Program resizable ;", "Program dragged ;", 1)
dragged = dragged.replace("  UpdateWindow(hWindow);\r\n", drag + "  UpdateWindow(hWindow);\r\n", 1)
open(sys.argv[2], 'wb').write(dragged.encode('latin-1'))
# The wheel turned a notch down over the scroll box (at 500,260 in the client area).
wheel = ("  WheelPoint.X := 500;\r\n  WheelPoint.Y := 260;\r\n  ClientToScreen(hWindow, WheelPoint);\r\n"
         "  PostMessage(hWindow, WM_MOUSEWHEEL, MakeLong(0, Word(-120)), MakeLong(WheelPoint.X, WheelPoint.Y));\r\n")
wheeled = text.replace("Program resizable ;", "Program wheeled ;", 1)
wheeled = wheeled.replace("begin\r\n  { Register Custom WndClass }",
                          "var\r\n  WheelPoint: TPoint;\r\n\r\nbegin\r\n  { Register Custom WndClass }", 1)
wheeled = wheeled.replace("  UpdateWindow(hWindow);\r\n", wheel + "  UpdateWindow(hWindow);\r\n", 1)
open(sys.argv[3], 'wb').write(wheeled.encode('latin-1'))
PY
[ $? -eq 0 ] || { echo "FAIL: the drag could not be added to the program"; exit 1; }

failed=0
# probe PROGRAM OUT [OPTION ...]: describes the program's window into OUT.tsv.
probe() {
  local program=$1 out=$2
  shift 2
  window_step "probe $out" "$work/$out.log" \
    "$wincheck" probe "$work/$program.dpr" --out "$work/$out.tsv" --screen 1280x1024 "$@"
}
# child FILE CLASS [TEXT]: "left top width height" of the first window of
# CLASS (with TEXT); windows are listed in their tab order, not the form's.
child() {
  awk -F'\t' -v class="$2" -v text="${3-}" \
    '$1 == "child" && $2 == class && (text == "" || $4 == text) { print $5, $6, $7, $8; exit }' "$1"
}
# client FILE: "width height" of the window's client area.
client() {
  awk -F'\t' '$1 == "window" { print $8, $9; exit }' "$1"
}
expect() {
  if [ "$2" != "$3" ]; then
    echo "FAIL $1: '$2', expected '$3'"
    failed=1
  fi
}
summary_of() {
  python3 "$formlayout" "$work/resizable.txt" "$@" --dpr "$work/resizable.dpr" | tail -n 1
}
count() { sed -n "s/.* $1 \([0-9]*\).*/\1/p" <<<"$2"; }

# Dragged, then larger: the list box (3-pixel margins in its 160-pixel panel)
# is 60 pixels wider and the list view 60 pixels further right; then every
# control moves as Align and Anchors say.
if probe dragged dragged --resize 900x640; then
  expect "list box after the drag" "$(child "$work/dragged.tsv" ListBox)" "3 39 214 314"
  expect "list view after the drag" "$(child "$work/dragged.tsv" SysListView32)" "225 36 255 320"
  # Five check boxes reach 9 pixels below the scroll box's client area, and
  # its bar scrolled them up by that much; the bar stands at its right edge.
  expect "first option scrolled to the end" "$(child "$work/dragged.tsv" Button Unread)" "494 243 80 17"
  expect "the scroll box's bar" "$(child "$work/dragged.tsv" ScrollBar)" "577 248 17 100"
  summary=$(summary_of "$work/dragged.tsv" --resized "$work/dragged.resized.tsv")
  expect "relaid after the window grew (not-relaid)" "$(count not-relaid "$summary")" 0
  [ "$(count relaid-expected "$summary")" -ge 10 ] ||
    { echo "FAIL: only $(count relaid-expected "$summary") controls should have moved"; failed=1; }
  # Anchored to the right and bottom: it keeps its distance to both edges.
  read -r width height < <(client "$work/dragged.tsv")
  read -r new_width new_height < <(client "$work/dragged.resized.tsv")
  expect "OK button after the window grew" "$(child "$work/dragged.resized.tsv" Button OK)" \
    "$((432 + new_width - width)) $((366 + new_height - height)) 75 25"
fi

# The wheel over the scroll box scrolls it as far as it goes (9 pixels).
if probe wheeled wheeled; then
  expect "first option after the wheel" "$(child "$work/wheeled.tsv" Button Unread)" "494 243 80 17"
fi

# Smaller than the form's Constraints (460 x 300 outer): the window stops there.
if probe resizable small --resize 300x200; then
  size=$(awk -F'\t' '$1 == "window" { print $6 - $4 "x" $7 - $5; exit }' "$work/small.resized.tsv")
  expect "window size below its Constraints" "$size" "460x300"
fi

# At 144 dots per inch the form is laid out at 150 %, fonts included.
if probe resizable scaled --dpi 144; then
  summary=$(summary_of "$work/scaled.tsv")
  expect "misplaced at 144 dpi" "$(count misplaced "$summary")" 0
  expect "font-differs at 144 dpi" "$(count font-differs "$summary")" 0
  expect "client-size at 144 dpi" "$(sed -n 's/.* client-size \([^ ]*\).*/\1/p' <<<"$summary")" ok
fi

[ "$failed" -eq 0 ] && echo "ok: resizable.txt --extended: splitter dragged, scroll box scrolled, window resized within its Constraints, laid out at 144 dpi"
exit "$failed"
