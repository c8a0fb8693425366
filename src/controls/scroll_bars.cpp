// The scroll bar, a class only the extended translation writes: a
// 'ScrollBar' window with the form's range, page and position. A scroll bar
// only moves its thumb when its parent says so, so the program gets one
// handler for all of them, which reads each bar's steps from the bar itself.
#include <algorithm>
#include <memory>
#include <string>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "extended/message_branches.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

struct ScrollBarRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Kind;
  std::string Min;
  std::string Max;
  std::string Position;
  std::string PageSize;
  std::string SmallChange;
  std::string LargeChange;
};

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

std::string SettingsText(const ScrollBarRecord& bar) {
  const std::string& name = bar.ControlName;
  return "\r\n  ScrollInfo.cbSize := SizeOf(ScrollInfo);"
         "\r\n  ScrollInfo.fMask := SIF_ALL;"
         "\r\n  ScrollInfo.nMin := " +
         IntegerText(IntegerOr(bar.Min, 0)) +
         ";\r\n  ScrollInfo.nMax := " + IntegerText(IntegerOr(bar.Max, 100)) +
         ";\r\n  ScrollInfo.nPage := " + IntegerText(std::max(IntegerOr(bar.PageSize, 0), 0)) +
         ";\r\n  ScrollInfo.nPos := " + IntegerText(IntegerOr(bar.Position, 0)) +
         ";\r\n  SetScrollInfo(" + name + ",SB_CTL,ScrollInfo,True);" + "\r\n  SetProp(" + name +
         ",'ScrollLine'," + StepText(bar.SmallChange) + ");" + "\r\n  SetProp(" + name +
         ",'ScrollPage'," + StepText(bar.LargeChange) + ");";
}

class ScrollBarGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    bar_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext /*context*/, const LineWords& line) override {
    if (StoreGeometry(bar_, line)) return;
    const std::string& name = line.Word1;
    if (name == "Kind") {
      bar_.Kind = line.Word3;
    } else if (name == "Min") {
      bar_.Min = line.Word3;
    } else if (name == "Max") {
      bar_.Max = line.Word3;
    } else if (name == "Position") {
      bar_.Position = line.Word3;
    } else if (name == "PageSize") {
      bar_.PageSize = line.Word3;
    } else if (name == "SmallChange") {
      bar_.SmallChange = line.Word3;
    } else if (name == "LargeChange") {
      bar_.LargeChange = line.Word3;
    }
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(bar_)) return;
    if (context.DeclareOnce("ScrollInfo: TScrollInfo;")) {
      context.branches().Add(kScrollBranch, kScrollHandler);
    }
    const std::string& name = bar_.ControlName;
    context.AddText("windowprocdestroymidle", "\r\n      RemoveProp(" + name +
                                                  ",'ScrollLine');\r\n      RemoveProp(" + name +
                                                  ",'ScrollPage');");
    CreateWindowControl(context,
                        {.level = line.Level,
                         .name = name,
                         .banner = "Create a scroll bar",
                         .call = ":= CreateWindow('ScrollBar','', ",
                         .styles = std::string("WS_VISIBLE or WS_CHILD or WS_TABSTOP or ") +
                                   (bar_.Kind == "sbVertical" ? "SBS_VERT" : "SBS_HORZ"),
                         .box = BoxOf(bar_),
                         .after = SettingsText(bar_)});
  }

 private:
  ScrollBarRecord bar_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewScrollBar() { return std::make_unique<ScrollBarGenerator>(); }

}  // namespace vornic
