// String grids and draw grids, as the system's list view in report mode: one
// column per grid column at its width, the fixed row as the column header,
// one empty row per further row at the grid's row height, and grid lines.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extended/control.h"
#include "extended/control_values.h"
#include "extended/form_writer.h"
#include "extended/value_styles.h"
#include "extended/window_creation.h"
#include "extended/writers.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The designer's defaults of a grid.
constexpr int32_t kDefaultColCount = 5;
constexpr int32_t kDefaultRowCount = 5;
constexpr int32_t kDefaultColWidth = 64;
constexpr int32_t kDefaultRowHeight = 24;
constexpr int32_t kDefaultGridLineWidth = 1;
constexpr int32_t kDefaultFixedRows = 1;
// More columns or rows than any window shows only lengthen the program.
constexpr int32_t kMaxColumns = 1000;
constexpr int32_t kMaxRows = 10000;

// The widths the grid stores for its first columns; the value checks let
// only integers into the list.
std::vector<int32_t> StoredColumnWidths(const Control& control) {
  std::vector<int32_t> widths;
  const FormProperty* list = control.object.Find("ColWidths");
  if (list == nullptr || list->shape != FormProperty::Shape::kList) return widths;
  for (size_t i = 0; i < list->entries.size(); ++i) {
    widths.push_back(TextToInt(std::string(list->entries[i])));
  }
  return widths;
}

// Grid lines as the options ask (all by default), a whole row selected with
// goRowSelect, and the row height through an image list of that height,
// which is what sets a list view's rows.
std::string LookLines(const Control& control, const std::string& name) {
  const std::string& options = control.Value("Options");
  std::string styles;
  if (options.empty() || SetHolds(options, "goVertLine") || SetHolds(options, "goHorzLine")) {
    styles += " or LVS_EX_GRIDLINES";
  }
  styles += StyleIf(SetHolds(options, "goRowSelect"), "LVS_EX_FULLROWSELECT");
  std::string text;
  if (!styles.empty()) {
    text +=
        "\r\n  SendMessageW(" + name + ",LVM_SETEXTENDEDLISTVIEWSTYLE,0," + styles.substr(4) + ");";
  }
  const int32_t row_height = IntegerOr(control.Value("DefaultRowHeight"), kDefaultRowHeight);
  if (row_height > 0) {
    text += "\r\n  SendMessageW(" + name +
            ",LVM_SETIMAGELIST,LVSIL_SMALL,LParam(ImageList_Create(1," +
            std::to_string(row_height) + ",ILC_COLOR,0,1)));";
  }
  return text;
}

// Each column's width with its grid line.
std::vector<int64_t> ColumnWidths(const Control& control) {
  const int32_t count =
      std::clamp(IntegerOr(control.Value("ColCount"), kDefaultColCount), 0, kMaxColumns);
  const int64_t line_width = IntegerOr(control.Value("GridLineWidth"), kDefaultGridLineWidth);
  const int32_t default_width = IntegerOr(control.Value("DefaultColWidth"), kDefaultColWidth);
  const std::vector<int32_t> stored = StoredColumnWidths(control);
  std::vector<int64_t> widths;
  for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
    widths.push_back((i < stored.size() ? stored[i] : default_width) + line_width);
  }
  return widths;
}

// Runs of columns of one width are inserted by a loop.
std::string ColumnLines(const std::vector<int64_t>& widths, const std::string& name) {
  if (widths.empty()) return "";
  std::string text = "\r\n  { add columns to grid }\r\n  ListColumn.mask := LVCF_WIDTH;";
  for (size_t start = 0, end; start < widths.size(); start = end) {
    end = start + 1;
    while (end < widths.size() && widths[end] == widths[start]) ++end;
    const std::string width = std::to_string(std::max<int64_t>(widths[start], 0));
    if (end - start == 1) {
      text += "\r\n  ListColumn.cx := " + width + "; SendMessageW(" + name + ",LVM_INSERTCOLUMNW," +
              std::to_string(start) + ",LParam(@ListColumn));";
    } else {
      text += "\r\n  ListColumn.cx := " + width + "; for ListIndex := " + std::to_string(start) +
              " to " + std::to_string(end - 1) + " do SendMessageW(" + name +
              ",LVM_INSERTCOLUMNW,ListIndex,LParam(@ListColumn));";
    }
  }
  return text;
}

// The rows below the header, empty.
std::string RowLines(const Control& control, const std::string& name, bool header) {
  const int32_t rows =
      std::clamp(IntegerOr(control.Value("RowCount"), kDefaultRowCount), 0, kMaxRows) -
      (header ? 1 : 0);
  if (rows <= 0) return "";
  return "\r\n  { add rows to grid }\r\n  ListItem.mask := LVIF_TEXT; ListItem.iSubItem := 0; "
         "ListItem.pszText := '';\r\n  for ListIndex := 0 to " +
         std::to_string(rows - 1) + " do begin ListItem.iItem := ListIndex; SendMessageW(" + name +
         ",LVM_INSERTITEMW,0,LParam(@ListItem)); end;";
}

class GridWriter final : public ControlWriter {
 public:
  void Close(FormWriter& writer, Control& control) override {
    const Box box = StoredBox(control);
    if (!box.complete()) return;
    const std::string name = writer.TakeName(control);
    const bool header = IntegerOr(control.Value("FixedRows"), kDefaultFixedRows) > 0;
    writer.DeclareOnce("ListColumn: TLVColumnW;");
    writer.DeclareOnce("ListItem: TLVItemW;");
    writer.DeclareOnce("ListIndex: Integer;");
    WriteWindow(writer, control,
                {.name = name,
                 .banner = "Create a grid",
                 .call = ":= CreateWindowExW(" + BorderExStyle(control.Value("BorderStyle")) +
                         ", 'SysListView32','', ",
                 .styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL" +
                           StyleIf(!header, "LVS_NOCOLUMNHEADER"),
                 .box = box,
                 .after = LookLines(control, name) + ColumnLines(ColumnWidths(control), name) +
                          RowLines(control, name, header),
                 .takes_focus = true,
                 .common = true});
  }
};

}  // namespace

std::unique_ptr<ControlWriter> NewGridWriter() { return std::make_unique<GridWriter>(); }

}  // namespace vornic
