// The tab window of page controls and tab controls.
#include "controls/tab_window.h"

#include <utility>

#include "controls/geometry.h"
#include "controls/window_control.h"

namespace vornic {

namespace {

// The designer's pages lie 4 pixels inside the border and below a row of
// tabs 20 pixels high on the tabs' side.
constexpr int kBorderInset = 4;
constexpr int kTabsInset = 24;

std::string StylesOf(const TabWindowRecord& record) {
  std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP";
  // Tabs on the left or right stand in columns, which only several rows allow.
  if (record.TabPosition == "tpBottom") {
    styles += " or TCS_BOTTOM";
  } else if (record.TabPosition == "tpLeft") {
    styles += " or TCS_VERTICAL or TCS_MULTILINE";
  } else if (record.TabPosition == "tpRight") {
    styles += " or TCS_VERTICAL or TCS_RIGHT or TCS_MULTILINE";
  } else if (record.MultiLine) {
    styles += " or TCS_MULTILINE";
  }
  if (record.Style == "tsButtons") {
    styles += " or TCS_BUTTONS";
  } else if (record.Style == "tsFlatButtons") {
    styles += " or TCS_BUTTONS or TCS_FLATBUTTONS";
  }
  return styles;
}

}  // namespace

bool StoreTabWindowProperty(TabWindowRecord& record, const LineWords& line) {
  if (StoreGeometry(record, line)) return true;
  if (line.Word1 == "TabPosition") {
    record.TabPosition = line.Word3;
  } else if (line.Word1 == "Style") {
    record.Style = line.Word3;
  } else if (line.Word1 == "MultiLine") {
    record.MultiLine = line.Word3 == "True";
  } else {
    return false;
  }
  return true;
}

PageInsets PageInsetsOf(const TabWindowRecord& record) {
  PageInsets insets{kBorderInset, kBorderInset, kBorderInset, kBorderInset};
  if (record.TabPosition == "tpBottom") {
    insets.bottom = kTabsInset;
  } else if (record.TabPosition == "tpLeft") {
    insets.left = kTabsInset;
  } else if (record.TabPosition == "tpRight") {
    insets.right = kTabsInset;
  } else {
    insets.top = kTabsInset;
  }
  return insets;
}

void CreateTabWindow(GeneratorContext context, int level, const TabWindowRecord& record,
                     std::string after) {
  CreateWindowControl(context, {.level = level,
                                .name = record.ControlName,
                                .banner = "Create a tab control",
                                .call = ":= CreateWindow('SysTabControl32','',",
                                .styles = StylesOf(record),
                                .box = BoxOf(record),
                                .after = std::move(after),
                                .takes_focus = true,
                                .common = true,
                                .reads_font = true});
}

std::string InsertTabText(GeneratorContext context, const std::string& name, int index,
                          const std::string& caption) {
  context.DeclareOnce("TabItem: TC_ITEM;");
  return "\r\n  TabItem.mask := TCIF_TEXT;\r\n  TabItem.pszText := PChar(" + caption +
         ");\r\n  TabCtrl_InsertItem(" + name + ", " + std::to_string(index) + ", TabItem);";
}

std::string FinishTabsText(GeneratorContext context, const TabWindowRecord& record, int chosen) {
  context.DeclareOnce("PageRect: TRect;");
  context.DeclareOnce("PageRgn: HRGN;");
  context.DeclareOnce("InsideRgn: HRGN;");
  const std::string& name = record.ControlName;
  const std::string size = record.Width + ", " + record.Height;
  // The value is unsigned: none is all bits set.
  const std::string tab = chosen < 0 ? "WPARAM(-1)" : std::to_string(chosen);
  return "\r\n  TabCtrl_SetCurSel(" + name + ", " + tab + ");" +
         "\r\n  { The main window paints the inside of the pages of " + name + " }" +
         "\r\n  SetRect(PageRect, 0, 0, " + size + ");" + "\r\n  TabCtrl_AdjustRect(" + name +
         ", False, PageRect);" + "\r\n  PageRgn := CreateRectRgn(0, 0, " + size + ");" +
         "\r\n  InsideRgn := CreateRectRgn(PageRect.Left, PageRect.Top, PageRect.Right, "
         "PageRect.Bottom);" +
         "\r\n  CombineRgn(PageRgn, PageRgn, InsideRgn, RGN_DIFF);" +
         "\r\n  DeleteObject(InsideRgn);" + "\r\n  SetWindowRgn(" + name + ", PageRgn, False);";
}

}  // namespace vornic
