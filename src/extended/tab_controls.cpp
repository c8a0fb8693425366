// Tab controls: a tab window with the tabs its Tabs list names, showing the
// images of the image list it names, and the one at TabIndex chosen. Unlike
// a page control it has one page for all its tabs: what it holds always
// shows, placed from the window's corner.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/item_images.h"
#include "extended/list_output.h"
#include "extended/tab_look.h"
#include "extended/tab_window_text.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The tab chosen when the window opens: the last TabIndex that is an
// integer, none when it names no tab the list has.
int ChosenTab(const Control& control, size_t tab_count) {
  int chosen = -1;
  for (const FormProperty& property : control.object.properties) {
    if (property.name == "TabIndex" && IsIntegerText(property.value)) {
      chosen = TextToInt(property.value);
    }
  }
  return chosen < static_cast<int64_t>(tab_count) ? chosen : -1;
}

// The statements that add the tabs, each caption a string literal as the
// list stores it; a long list is written as data. With `show_images`, as
// the form stores no image of its own for a tab, tab i shows image i, as
// the designer does.
std::string TabLines(FormWriter& writer, const std::string& name, const TextList& tabs,
                     bool show_images) {
  if (IsLongList(tabs.size())) {
    const ListOutput out = ListOutputOf(writer);
    const EntryArrays arrays =
        DeclareEntryArrays(out, name, tabs.size(), [&tabs](size_t i) { return tabs[i]; });
    return InsertTabsText(out, name, arrays, show_images);
  }
  std::string text;
  for (size_t i = 0; i < tabs.size(); ++i) {
    const int index = static_cast<int>(i);
    text += InsertTabLines(writer.program(), name, index, std::string(tabs[i]),
                           show_images ? index : -1);
  }
  return text;
}

// The window stands before what it holds.
class TabControlWriter final : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const std::string images = writer.ImagesOf(control.object);
    static const TextList kNoTabs;
    const FormProperty* list = control.object.Find("Tabs.Strings");
    const TextList& tabs = list == nullptr ? kNoTabs : list->entries;
    const std::string after =
        (images.empty() ? "" : ImageListLine(name, "TCM_SETIMAGELIST", "0", images)) +
        TabLines(writer, name, tabs, !images.empty());
    WriteWindow(writer, control, TabWindowOf(name, box, TabLookOf(control), after));
    writer.AddText("bodylast", FinishTabsLines(writer.program(), name, box.width, box.height,
                                               ChosenTab(control, tabs.size())));
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewTabControlWriter() {
  return std::make_unique<TabControlWriter>();
}

}  // namespace vornic
