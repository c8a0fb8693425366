// Scroll bars: a 'ScrollBar' window with the form's range, page and
// position. A scroll bar only moves its thumb when its parent says so, so
// the program gets one handler for all of them, which reads each bar's
// steps from the bar itself.
#include <algorithm>
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/message_branches.h"
#include "extended/window_creation.h"
#include "extended/writers.h"

namespace vornic {

namespace {

// The branch of the window procedure's case that all scroll bars share: a
// case label may stand only once.
constexpr char kScrollBranch[] = "WM_HSCROLL, WM_VSCROLL";

// A bar that has no step properties is no scroll bar of the form's (a track
// bar, an up-down without buddy): the handler leaves it alone.
constexpr char kScrollHandler[] =
    "\r\n      { The thumb of a scroll bar follows the user }"
    "\r\n      if GetProp(HWND(lParam),'ScrollPage') <> 0 then begin"
    "\r\n        ScrollInfo.cbSize := SizeOf(ScrollInfo);"
    "\r\n        ScrollInfo.fMask := SIF_ALL;"
    "\r\n        GetScrollInfo(HWND(lParam),SB_CTL,ScrollInfo);"
    "\r\n        case LoWord(wParam) of"
    "\r\n          SB_LINELEFT: Dec(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollLine')));"
    "\r\n          SB_LINERIGHT: Inc(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollLine')));"
    "\r\n          SB_PAGELEFT: Dec(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollPage')));"
    "\r\n          SB_PAGERIGHT: Inc(ScrollInfo.nPos,Integer(GetProp(HWND(lParam),'ScrollPage')));"
    "\r\n          SB_THUMBTRACK, SB_THUMBPOSITION: ScrollInfo.nPos := ScrollInfo.nTrackPos;"
    "\r\n          SB_LEFT: ScrollInfo.nPos := ScrollInfo.nMin;"
    "\r\n          SB_RIGHT: ScrollInfo.nPos := ScrollInfo.nMax;"
    "\r\n        end;"
    "\r\n        ScrollInfo.fMask := SIF_POS;"
    "\r\n        SetScrollInfo(HWND(lParam),SB_CTL,ScrollInfo,True);"
    "\r\n      end;";

// A step of at least one, as the designer allows.
std::string StepText(const std::string& value) {
  return IntegerText(std::max(IntegerOr(value, 1), 1));
}

// The range, page and position, with the designer's defaults where the form
// stores none; the steps go with the window for the handler to read.
std::string SettingsText(const std::string& name, const Control& bar) {
  return "\r\n  ScrollInfo.cbSize := SizeOf(ScrollInfo);"
         "\r\n  ScrollInfo.fMask := SIF_ALL;"
         "\r\n  ScrollInfo.nMin := " +
         IntegerText(IntegerOr(bar.Value("Min"), 0)) +
         ";\r\n  ScrollInfo.nMax := " + IntegerText(IntegerOr(bar.Value("Max"), 100)) +
         ";\r\n  ScrollInfo.nPage := " +
         IntegerText(std::max(IntegerOr(bar.Value("PageSize"), 0), 0)) +
         ";\r\n  ScrollInfo.nPos := " + IntegerText(IntegerOr(bar.Value("Position"), 0)) +
         ";\r\n  SetScrollInfo(" + name + ",SB_CTL,ScrollInfo,True);" + "\r\n  SetProp(" + name +
         ",'ScrollLine'," + StepText(bar.Value("SmallChange")) + ");" + "\r\n  SetProp(" + name +
         ",'ScrollPage'," + StepText(bar.Value("LargeChange")) + ");";
}

class ScrollBarWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    if (writer.DeclareOnce("ScrollInfo: TScrollInfo;")) {
      writer.branches().Add(kScrollBranch, kScrollHandler);
    }
    writer.AddText("windowprocdestroymidle", "\r\n      RemoveProp(" + name +
                                                 ",'ScrollLine');\r\n      RemoveProp(" + name +
                                                 ",'ScrollPage');");
    const bool vertical = control.Value("Kind") == "sbVertical";
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a scroll bar",
                 .call = ":= CreateWindowExW(0, 'ScrollBar','', ",
                 .styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP or ") +
                           (vertical ? "SBS_VERT" : "SBS_HORZ"),
                 .box = box,
                 .after = SettingsText(name, control)});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewScrollBarWriter() { return std::make_unique<ScrollBarWriter>(); }

}  // namespace vornic
