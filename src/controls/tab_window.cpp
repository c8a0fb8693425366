// The tab window of page controls and tab controls, line by line.
#include "controls/tab_window.h"

#include <utility>

#include "controls/geometry.h"
#include "controls/window_control.h"

namespace vornic {

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

void CreateTabWindow(GeneratorContext context, int level, const TabWindowRecord& record,
                     std::string after) {
  WindowControl window = TabWindowOf(record.ControlName, BoxOf(record), record, std::move(after));
  window.level = level;
  CreateWindowControl(context, std::move(window));
}

std::string InsertTabText(GeneratorContext context, const std::string& name, int index,
                          const std::string& caption) {
  return InsertTabLines(context.program(), name, index, caption);
}

std::string FinishTabsText(GeneratorContext context, const TabWindowRecord& record, int chosen) {
  return FinishTabsLines(context.program(), record.ControlName, record.Width, record.Height,
                         chosen);
}

}  // namespace vornic
