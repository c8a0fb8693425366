// The tab order: the dialog handling of the message loop moves the focus
// through the main window's children in their z-order, which is the order
// they were created in; the form's order may differ.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "extended/form_writer.h"
#include "extended/input_controls.h"
#include "form/form_object.h"
#include "lib/text.h"

namespace vornic {

namespace {

// Where the designer's tab order puts an object: its TabOrder and that of
// each container, outermost first. Objects without one (pages, controls
// that take no focus) keep the file's order among their neighbours.
using TabRank = std::vector<std::pair<int32_t, size_t>>;

TabRank TabRankOf(const FormObject& object) {
  TabRank rank;
  for (const FormObject* step = &object; step->parent != nullptr; step = step->parent) {
    const std::string& order = step->Value("TabOrder");
    const auto& siblings = step->parent->children;
    const auto place = std::find_if(siblings.begin(), siblings.end(),
                                    [step](const auto& sibling) { return sibling.get() == step; });
    rank.insert(rank.begin(),
                {IsIntegerText(order) ? TextToInt(order) : std::numeric_limits<int32_t>::max(),
                 static_cast<size_t>(place - siblings.begin())});
  }
  return rank;
}

}  // namespace

void WriteTabOrder(FormWriter& writer, const std::vector<InputControl>& controls) {
  struct Stop {
    size_t created;  // its place among all windows
    TabRank rank;
  };
  std::vector<Stop> stops;
  for (size_t i = 0; i < controls.size(); ++i) {
    const InputControl& control = controls[i];
    if (control.window.empty() || !control.tab_stop) continue;
    stops.push_back(Stop{i, TabRankOf(*control.object)});
  }
  std::vector<Stop> ordered = stops;
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const Stop& a, const Stop& b) { return a.rank < b.rank; });
  const auto same_place = [](const Stop& a, const Stop& b) { return a.created == b.created; };
  if (std::equal(stops.begin(), stops.end(), ordered.begin(), same_place)) return;
  // The first stop takes the place of the first one created, behind the
  // windows created before it; each further one follows the one before.
  std::string after = "HWND_TOP";
  for (size_t i = stops.front().created; i-- > 0;) {
    if (!controls[i].window.empty()) {
      after = controls[i].window;
      break;
    }
  }
  std::string text = "\r\n\r\n  { Tab order as the form gives it }";
  for (const Stop& stop : ordered) {
    const std::string& window = controls[stop.created].window;
    text += "\r\n  SetWindowPos(" + window + ", " + after +
            ", 0, 0, 0, 0, SWP_NOMOVE or SWP_NOSIZE or SWP_NOACTIVATE);";
    after = window;
  }
  writer.AddText("bodymidle", text);
}

}  // namespace vornic
