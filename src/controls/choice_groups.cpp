// The radio group, a class only the extended translation writes: a group box
// whose items are radio buttons inside it, laid out in columns the way the
// designer lays them out, the item at ItemIndex checked.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "builder/open_objects.h"
#include "controls/control_steps.h"
#include "controls/control_values.h"
#include "controls/geometry.h"
#include "controls/list_data.h"
#include "controls/window_control.h"
#include "lib/dictionary.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The designer allows one to sixteen columns.
constexpr int32_t kMaxColumns = 16;

struct RadioGroupRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string Caption;
  std::string Columns;
  std::string ItemIndex;
  TIDictonary Items;  // string literals, in order
};

// An item's rectangle inside the group box.
struct ItemPlace {
  int64_t left;
  int64_t top;
  int64_t width;
  int64_t height;
};

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

// REQUIRES: the group has items.
ItemGrid GridOf(const RadioGroupRecord& group, int64_t text_height) {
  const int64_t count = group.Items.HighIndex();
  const int64_t columns = std::clamp(IntegerOr(group.Columns, 1), 1, kMaxColumns);
  const int64_t per_column = (count + columns - 1) / columns;
  const int64_t space = int64_t{IntegerOr(group.Height, 0)} - text_height - 5;
  return {per_column, (int64_t{IntegerOr(group.Width, 0)} - 10) / columns, space / per_column,
          text_height + 1 + (space % per_column) / 2};
}

std::vector<ItemPlace> ItemPlaces(const RadioGroupRecord& group, int64_t text_height) {
  const int64_t count = group.Items.HighIndex();
  if (count == 0) return {};  // no rows to divide the box into
  const ItemGrid grid = GridOf(group, text_height);
  std::vector<ItemPlace> places;
  for (int64_t i = 0; i < count; ++i) {
    places.push_back({(i / grid.per_column) * grid.width + 8,
                      (i % grid.per_column) * grid.height + grid.top_margin, grid.width,
                      grid.height});
  }
  return places;
}

class RadioGroupGenerator final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    group_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    if (StoreGeometry(group_, line)) return;
    if (line.Word1 == "Caption") {
      group_.Caption = line.Word3;
    } else if (line.Word1 == "Columns") {
      group_.Columns = line.Word3;
    } else if (line.Word1 == "ItemIndex") {
      group_.ItemIndex = line.Word3;
    } else if (line.Word1 == "Items.Strings") {
      BeginStringList(context);
    }
  }

  // An entry of Items.
  void OnContinuationLine(GeneratorContext context, const LineWords& line) override {
    ReadStringListLine(context, line, group_.Items);
  }

  void OnEnd(GeneratorContext context, const LineWords& line) override {
    context.list_marker().clear();
    if (!HasGeometry(group_)) return;
    const std::string& name = group_.ControlName;
    CreateWindowControl(context, {.level = line.Level,
                                  .name = name,
                                  .banner = "Create a radio group",
                                  // The box is its items' parent: they form a group of their
                                  // own, and hide with it; the dialog keys reach into it.
                                  .call = ":= CreateWindowEx(WS_EX_CONTROLPARENT, 'Button'," +
                                          QuotedOrEmpty(group_.Caption) + ", ",
                                  .styles = "WS_VISIBLE or WS_CHILD or BS_GROUPBOX",
                                  .box = BoxOf(group_),
                                  .after = ItemsText(context, line.Level)});
    const auto count = static_cast<size_t>(group_.Items.HighIndex());
    if (WritesAsData(context, count)) {
      // The items take the box's font, which is the font they would register.
      context.AddText("bodylast", ItemsFontText(context, name, count));
      return;
    }
    for (size_t i = 1; i <= count; ++i) {
      context.TakeFont(ItemWindow(i), line.Level, true);
    }
  }

 private:
  // The items' creation, each with the control ID of its position from 1,
  // by which the program finds it again; the checked item (or the first)
  // takes the tab stop of the group.
  std::string ItemsText(GeneratorContext context, int level) const {
    const std::string& name = group_.ControlName;
    const int64_t checked = IntegerOr(group_.ItemIndex, -1);
    const int64_t count = group_.Items.HighIndex();
    const int64_t tab_item = checked >= 0 && checked < count ? checked : 0;
    const int64_t text_height = TextHeightOf(context.DesignFontAt(level));
    std::string text;
    if (WritesAsData(context, static_cast<size_t>(count))) {
      const ItemGrid grid = GridOf(group_, text_height);
      text = AddRadioItemsText(
          context, name,
          DeclareEntryArrays(context, name, static_cast<size_t>(count), EntriesOf(group_.Items)),
          {IntegerText(grid.per_column), IntegerText(grid.width), IntegerText(grid.height),
           IntegerText(grid.top_margin), IntegerText(tab_item)});
    }
    const std::vector<ItemPlace> places =
        text.empty() ? ItemPlaces(group_, text_height) : std::vector<ItemPlace>();
    for (size_t i = 0; i < places.size(); ++i) {
      const ItemPlace& place = places[i];
      const std::string id = std::to_string(i + 1);
      text += "\r\n  CreateWindow('Button'," +
              std::string(group_.Items.GetItem(static_cast<int>(i) + 1)) +
              ", WS_VISIBLE or WS_CHILD or BS_AUTORADIOBUTTON" + StyleIf(i == 0, "WS_GROUP") +
              StyleIf(static_cast<int64_t>(i) == tab_item, "WS_TABSTOP") + ",\r\n    " +
              IntegerText(place.left) + "," + IntegerText(place.top) + "," +
              IntegerText(place.width) + "," + IntegerText(place.height) + ", " + name + ", " + id +
              ", Inst, nil);";
    }
    if (checked >= 0 && checked < count) {
      text += "\r\n  SendMessage(" + ItemWindow(static_cast<size_t>(checked) + 1) +
              ",BM_SETCHECK,1,0);";
    }
    return text;
  }

  // The expression for the item with control ID `id`.
  std::string ItemWindow(size_t id) const {
    return "GetDlgItem(" + group_.ControlName + "," + std::to_string(id) + ")";
  }

  RadioGroupRecord group_;
};

}  // namespace

std::unique_ptr<ControlGenerator> NewRadioGroup() {
  return std::make_unique<RadioGroupGenerator>();
}

}  // namespace vornic
