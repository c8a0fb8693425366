// Radio groups: a group box whose items are radio buttons inside it, laid out
// in columns the way the designer lays them out, the item at ItemIndex
// checked; a long list of items is created from constant arrays.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_steps.h"
#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/list_data.h"
#include "extended/list_entries.h"
#include "extended/list_output.h"
#include "extended/named_at_open.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "form/text_list.h"

namespace vornic {

namespace {

// The designer allows one to sixteen columns.
constexpr int32_t kMaxColumns = 16;

// The height of a line of text in the group's font, which the caption takes
// at the top of the box. The designer measures the font; a negative height
// counts the character without its internal leading, about a fifth more.
int64_t TextHeightOf(const DesignFont& font) {
  const int64_t height = IntegerOr(font.face.Height, -11);
  return height > 0 ? height : (-height * 6 + 2) / 5;
}

// The items fill the columns top to bottom in rows of equal height, below
// the caption and inside the box's frame; what the rows leave over is shared
// above and below them.
struct ItemGrid {
  int64_t per_column;
  int64_t width;
  int64_t height;
  int64_t top_margin;
};

// REQUIRES: `count` > 0.
ItemGrid GridOf(const Control& group, int64_t count) {
  const int64_t text_height = TextHeightOf(group.font);
  const int64_t columns = std::clamp(IntegerOr(group.Value("Columns"), 1), 1, kMaxColumns);
  const int64_t per_column = (count + columns - 1) / columns;
  const int64_t space = int64_t{IntegerOr(group.Value("Height"), 0)} - text_height - 5;
  return {per_column, (int64_t{IntegerOr(group.Value("Width"), 0)} - 10) / columns,
          space / per_column, text_height + 1 + (space % per_column) / 2};
}

// The expression for the item with control ID `id`.
std::string ItemWindow(const std::string& group, size_t id) {
  return "GetDlgItem(" + group + "," + std::to_string(id) + ")";
}

// Each item is created with the control ID of its position from 1, by which
// the program finds it again; the checked item (or the first) takes the tab
// stop of the group.
std::string ItemsText(FormWriter& writer, const Control& group, const std::string& name,
                      const TextList& items) {
  const auto count = static_cast<int64_t>(items.size());
  const int64_t checked = IntegerOr(group.Value("ItemIndex"), -1);
  const int64_t tab_item = checked >= 0 && checked < count ? checked : 0;
  std::string text;
  if (IsLongList(items.size())) {
    const ItemGrid grid = GridOf(group, count);
    const ListOutput output = ListOutputOf(writer);
    text = AddRadioItemsText(
        output, name, DeclareEntryArrays(output, name, items.size(), EntriesOf(items)),
        {IntegerText(grid.per_column), IntegerText(grid.width), IntegerText(grid.height),
         IntegerText(grid.top_margin), IntegerText(tab_item)});
  } else if (count > 0) {
    const ItemGrid grid = GridOf(group, count);
    for (int64_t i = 0; i < count; ++i) {
      text += "\r\n  CreateWindowExW(0, 'Button'," + std::string(items[static_cast<size_t>(i)]) +
              ", WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON" + StyleIf(i == 0, "WS_GROUP") +
              StyleIf(i == tab_item, "WS_TABSTOP") + ",\r\n    " +
              IntegerText((i / grid.per_column) * grid.width + 8) + "," +
              IntegerText((i % grid.per_column) * grid.height + grid.top_margin) + "," +
              IntegerText(grid.width) + "," + IntegerText(grid.height) + ", " + name + ", " +
              std::to_string(i + 1) + ", Inst, nil);";
    }
  }
  if (checked >= 0 && checked < count) {
    text += "\r\n  SendMessageW(" + ItemWindow(name, static_cast<size_t>(checked) + 1) +
            ",BM_SETCHECK,1,0);";
  }
  return text;
}

class RadioGroupWriter final : public NamedAtOpen {
 public:
  void Close(FormWriter& writer, Control& control) override {
    if (name_.empty()) return;
    const TextList& items = ListEntries(control, "Items.Strings");
    WriteWindow(writer, control,
                {.name = name_,
                 .banner = "Create a radio group",
                 // The box is its items' parent: they form a group of their own,
                 // and hide with it; the dialog keys reach into it.
                 .call = ":= CreateWindowExW(WS_EX_CONTROLPARENT, 'Button'," +
                         QuotedOrEmpty(control.Value("Caption")) + ", ",
                 .styles = "WS_VISIBLE or WS_CHILD or BS_GROUPBOX",
                 .box = StoredBox(control),
                 .after = ItemsText(writer, control, name_, items)});
    if (IsLongList(items.size())) {
      // The items take the box's font, which is the font they would register.
      writer.AddText("bodylast", ItemsFontText(ListOutputOf(writer), name_, items.size()));
      return;
    }
    for (size_t id = 1; id <= items.size(); ++id) writer.TakeFont(ItemWindow(name_, id), control);
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewRadioGroupWriter() {
  return std::make_unique<RadioGroupWriter>();
}

}  // namespace vornic
