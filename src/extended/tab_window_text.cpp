// The tab window text of page controls and tab controls.
#include "extended/tab_window_text.h"

#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// The designer's pages lie 4 pixels inside the border and below a row of
// tabs 20 pixels high on the tabs' side.
constexpr int kBorderInset = 4;
constexpr int kTabsInset = 24;

// A tab size the form gives: a positive integer, else 0.
int TabSize(const std::string& value) {
  return IsIntegerText(value) && TextToInt(value) > 0 ? TextToInt(value) : 0;
}

std::string StylesOf(const TabWindowLook& look) {
  std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP";
  // Tabs on the left or right stand in columns, which only several rows allow.
  if (look.TabPosition == "tpBottom") {
    styles += " or TCS_BOTTOM";
  } else if (look.TabPosition == "tpLeft") {
    styles += " or TCS_VERTICAL or TCS_MULTILINE";
  } else if (look.TabPosition == "tpRight") {
    styles += " or TCS_VERTICAL or TCS_RIGHT or TCS_MULTILINE";
  } else if (look.MultiLine) {
    styles += " or TCS_MULTILINE";
  }
  if (TabSize(look.TabWidth) > 0) styles += " or TCS_FIXEDWIDTH";
  if (look.Style == "tsButtons") {
    styles += " or TCS_BUTTONS";
  } else if (look.Style == "tsFlatButtons") {
    styles += " or TCS_BUTTONS or TCS_FLATBUTTONS";
  }
  return styles;
}

// The tabs' size, where the form fixes it: a width makes every tab as wide.
std::string ItemSizeLine(const std::string& name, const TabWindowLook& look) {
  const int width = TabSize(look.TabWidth);
  const int height = TabSize(look.TabHeight);
  if (width == 0 && height == 0) return "";
  return "\r\n  SendMessageW(" + name + ", TCM_SETITEMSIZE, 0, MAKELPARAM(" +
         std::to_string(width) + ", " + std::to_string(height) + "));";
}

void Declare(TSDPR& program, const std::string& declaration) {
  program.AddTextOnce("var", "\r\n    " + declaration);
}

}  // namespace

PageInsets PageInsetsOf(const TabWindowLook& look) {
  PageInsets insets{kBorderInset, kBorderInset, kBorderInset, kBorderInset};
  if (look.TabPosition == "tpBottom") {
    insets.bottom = kTabsInset;
  } else if (look.TabPosition == "tpLeft") {
    insets.left = kTabsInset;
  } else if (look.TabPosition == "tpRight") {
    insets.right = kTabsInset;
  } else {
    insets.top = kTabsInset;
  }
  return insets;
}

WindowControl TabWindowOf(const std::string& name, const Box& box, const TabWindowLook& look,
                          std::string after) {
  return {.name = name,
          .banner = "Create a tab control",
          .call = ":= CreateWindowExW(0, 'SysTabControl32','',",
          .styles = StylesOf(look),
          .box = box,
          .after = ItemSizeLine(name, look) + after,
          .takes_focus = true,
          .common = true,
          .reads_font = true};
}

std::string InsertTabLines(TSDPR& program, const std::string& name, int index,
                           const std::string& caption, int image) {
  Declare(program, "TabItem: TC_ITEMW;");
  if (image < 0) {
    return "\r\n  TabItem.mask := TCIF_TEXT;\r\n  TabItem.pszText := PWideChar(" + caption +
           ");\r\n  SendMessageW(" + name + ", TCM_INSERTITEMW, " + std::to_string(index) +
           ", LParam(@TabItem));";
  }
  return "\r\n  TabItem.mask := TCIF_TEXT or TCIF_IMAGE;\r\n  TabItem.pszText := PWideChar(" +
         caption + ");\r\n  TabItem.iImage := " + std::to_string(image) + ";\r\n  SendMessageW(" +
         name + ", TCM_INSERTITEMW, " + std::to_string(index) + ", LParam(@TabItem));";
}

std::string FinishTabsLines(TSDPR& program, const std::string& name, const std::string& width,
                            const std::string& height, int chosen) {
  Declare(program, "PageRect: TRect;");
  Declare(program, "PageRgn: HRGN;");
  Declare(program, "InsideRgn: HRGN;");
  const std::string size = width + ", " + height;
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
