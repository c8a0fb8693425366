// The text of a tab window that both translations write for page controls
// and tab controls: the 'SysTabControl32' window, its tabs, the tab chosen
// when it opens, and where its pages lie inside it. Plain values in, text out.
#pragma once

#include <string>

#include "controls/window_control.h"
#include "lib/box.h"

namespace vornic {

class TSDPR;

/// The values that shape a tab window, as the form stores them.
struct TabWindowLook {
  std::string TabPosition;  // tpTop (the default), tpBottom, tpLeft, tpRight
  std::string Style;        // tsTabs (the default), tsButtons, tsFlatButtons
  bool MultiLine = false;
  std::string TabWidth;   // a fixed width for every tab; empty or 0: each fits its text
  std::string TabHeight;  // a fixed height; empty or 0: the font's
};

/// How far the pages lie inside the window from each of its edges: the tabs'
/// side takes the row of tabs, the others the border.
struct PageInsets {
  int left;
  int top;
  int right;
  int bottom;
};

/// Where the designer puts the pages of a window of `look`.
PageInsets PageInsetsOf(const TabWindowLook& look);

/// The tab window `name` of `look` at `box` (in its holder), followed by `after`.
WindowControl TabWindowOf(const std::string& name, const Box& box, const TabWindowLook& look,
                          std::string after);

/// The program lines that add a tab with `caption` (a string literal) to the
/// window `name`, at `index`, showing image `image` of the window's image
/// list (none when negative); declares what they use in `program`.
std::string InsertTabLines(TSDPR& program, const std::string& name, int index,
                           const std::string& caption, int image = -1);

/// The program lines that choose tab `chosen` (none when negative) of the
/// window `name` of `width` by `height`, and cut the inside of the pages out
/// of the window, so that the main window paints it: what it paints of the
/// pages then shows, and the windows on them too. They go to "bodylast": the
/// size of the tabs follows the window's font. Declares what they use in
/// `program`.
std::string FinishTabsLines(TSDPR& program, const std::string& name, const std::string& width,
                            const std::string& height, int chosen);

}  // namespace vornic
