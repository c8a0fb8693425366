// What page controls and tab controls share: a 'SysTabControl32' window where
// the form puts it, its tabs, the tab chosen when the window opens, and the
// place of its pages inside it.
#pragma once

#include <string>

#include "builder/generator_context.h"
#include "builder/line_words.h"

namespace vornic {

/// The values of a tab window as the form stores them.
struct TabWindowRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string TabPosition;  // tpTop (the default), tpBottom, tpLeft, tpRight
  std::string Style;        // tsTabs (the default), tsButtons, tsFlatButtons
  bool MultiLine = false;
};

/// How far the pages lie inside the window from each of its edges: the tabs'
/// side takes the row of tabs, the others the border.
struct PageInsets {
  int left;
  int top;
  int right;
  int bottom;
};

/// Stores a value of `line` that every tab window reads; false for any other.
bool StoreTabWindowProperty(TabWindowRecord& record, const LineWords& line);

/// Where the designer puts the pages of `record`'s window.
PageInsets PageInsetsOf(const TabWindowRecord& record);

/// Writes the window of the object at `level`, followed by `after`.
/// REQUIRES: the record has its geometry.
void CreateTabWindow(GeneratorContext context, int level, const TabWindowRecord& record,
                     std::string after);

/// The program lines that add a tab with `caption` (a string literal) to the
/// window `name`, at `index`.
std::string InsertTabText(GeneratorContext context, const std::string& name, int index,
                          const std::string& caption);

/// The program lines that choose tab `chosen` (none when negative) and cut
/// the inside of the pages out of the window, so that the main window paints
/// it: what it paints of the pages then shows, and the windows on them too.
/// They go to "bodylast": the size of the tabs follows the window's font.
std::string FinishTabsText(GeneratorContext context, const TabWindowRecord& record, int chosen);

}  // namespace vornic
