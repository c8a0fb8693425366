// What page controls and tab controls share in the line-by-line translation:
// their values collected line by line, and the tab window text of
// controls/tab_window_text.h written through the generator context.
#pragma once

#include <string>

#include "builder/generator_context.h"
#include "builder/line_words.h"
#include "controls/tab_window_text.h"

namespace vornic {

/// The values of a tab window as the form stores them.
struct TabWindowRecord : TabWindowLook {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
};

/// Stores a value of `line` that every tab window reads; false for any other.
bool StoreTabWindowProperty(TabWindowRecord& record, const LineWords& line);

/// Writes the window of the object at `level`, followed by `after`.
/// REQUIRES: the record has its geometry.
void CreateTabWindow(GeneratorContext context, int level, const TabWindowRecord& record,
                     std::string after);

/// The program lines that add a tab with `caption` (a string literal) to the
/// window `name`, at `index` (InsertTabLines).
std::string InsertTabText(GeneratorContext context, const std::string& name, int index,
                          const std::string& caption);

/// The program lines that choose tab `chosen` and let the main window paint
/// the inside of the pages (FinishTabsLines).
std::string FinishTabsText(GeneratorContext context, const TabWindowRecord& record, int chosen);

}  // namespace vornic
