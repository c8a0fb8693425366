// String grids and draw grids, classes only the extended translation writes,
// as the system's list view in report mode: one column per grid column at
// its width, the fixed row as the column header, one empty row per further
// row at the grid's row height, and grid lines.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/property_tables.h"
#include "controls/record_generator.h"
#include "controls/window_control.h"
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

struct GridRecord {
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string BorderStyle;
  std::string ColCount;
  std::string RowCount;
  std::string FixedRows;
  std::string DefaultColWidth;
  std::string DefaultRowHeight;
  std::string GridLineWidth;
  std::string Options;
  std::vector<int32_t> ColWidths;
};

constexpr NamedField<GridRecord> kFields[] = {{"BorderStyle", &GridRecord::BorderStyle},
                                              {"ColCount", &GridRecord::ColCount},
                                              {"RowCount", &GridRecord::RowCount},
                                              {"FixedRows", &GridRecord::FixedRows},
                                              {"DefaultColWidth", &GridRecord::DefaultColWidth},
                                              {"DefaultRowHeight", &GridRecord::DefaultRowHeight},
                                              {"GridLineWidth", &GridRecord::GridLineWidth},
                                              {"Options", &GridRecord::Options}};

int32_t IntegerOr(const std::string& text, int32_t otherwise) {
  return text.empty() ? otherwise : TextToInt(text);
}

class GridGenerator final : public RecordGenerator<GridRecord> {
 public:
  void OnEnd(GeneratorContext context, const LineWords& line) override {
    if (!HasGeometry(record_)) return;
    const std::string& name = record_.ControlName;
    const bool header = IntegerOr(record_.FixedRows, kDefaultFixedRows) > 0;
    std::string styles = "WS_VISIBLE or WS_CHILD or WS_TABSTOP or LVS_REPORT or LVS_SINGLESEL";
    if (!header) styles += " or LVS_NOCOLUMNHEADER";
    context.DeclareOnce("ListColumn: TLVColumn;");
    context.DeclareOnce("ListItem: TLVItem;");
    context.DeclareOnce("ListIndex: Integer;");
    CreateWindowControl(context,
                        {.level = line.Level,
                         .name = name,
                         .banner = "Create a grid",
                         .call = ":= CreateWindowEx(" + BorderExStyle(record_.BorderStyle) +
                                 ", 'SysListView32','', ",
                         .styles = styles,
                         .box = BoxOf(record_),
                         .after = LookLines() + ColumnLines() + RowLines(header),
                         .takes_focus = true,
                         .common = true});
  }

 private:
  void StoreProperty(const LineWords& line) override { StoreNamedField(kFields, record_, line); }

  void OnValueRead() override {
    if (values_.property() == "ColWidths") record_.ColWidths = values_.IntegerEntries();
  }

  // Grid lines as the options ask (all by default), a whole row selected
  // with goRowSelect, and the row height through an image list of that
  // height, which is what sets a list view's rows.
  std::string LookLines() const {
    const std::string& name = record_.ControlName;
    const std::string& options = record_.Options;
    std::string styles;
    if (options.empty() || SetHolds(options, "goVertLine") || SetHolds(options, "goHorzLine")) {
      styles += " or LVS_EX_GRIDLINES";
    }
    if (SetHolds(options, "goRowSelect")) styles += " or LVS_EX_FULLROWSELECT";
    std::string text;
    if (!styles.empty()) {
      text += "\r\n  SendMessage(" + name + ",LVM_SETEXTENDEDLISTVIEWSTYLE,0," + styles.substr(4) +
              ");";
    }
    const int32_t row_height = IntegerOr(record_.DefaultRowHeight, kDefaultRowHeight);
    if (row_height > 0) {
      text += "\r\n  SendMessage(" + name +
              ",LVM_SETIMAGELIST,LVSIL_SMALL,LParam(ImageList_Create(1," +
              std::to_string(row_height) + ",ILC_COLOR,0,1)));";
    }
    return text;
  }

  // Runs of columns of one width are inserted by a loop.
  std::string ColumnLines() const {
    const int32_t count = std::clamp(IntegerOr(record_.ColCount, kDefaultColCount), 0, kMaxColumns);
    if (count == 0) return "";
    const int64_t line_width = IntegerOr(record_.GridLineWidth, kDefaultGridLineWidth);
    const int32_t default_width = IntegerOr(record_.DefaultColWidth, kDefaultColWidth);
    std::vector<int64_t> widths;
    for (int32_t i = 0; i < count; ++i) {
      const size_t at = static_cast<size_t>(i);
      widths.push_back((at < record_.ColWidths.size() ? record_.ColWidths[at] : default_width) +
                       line_width);
    }
    const std::string& name = record_.ControlName;
    std::string text = "\r\n  { add columns to grid }\r\n  ListColumn.mask := LVCF_WIDTH;";
    for (size_t start = 0, end; start < widths.size(); start = end) {
      end = start + 1;
      while (end < widths.size() && widths[end] == widths[start]) ++end;
      const std::string width = std::to_string(std::max<int64_t>(widths[start], 0));
      if (end - start == 1) {
        text += "\r\n  ListColumn.cx := " + width + "; SendMessage(" + name + ",LVM_INSERTCOLUMN," +
                std::to_string(start) + ",LParam(@ListColumn));";
      } else {
        text += "\r\n  ListColumn.cx := " + width + "; for ListIndex := " + std::to_string(start) +
                " to " + std::to_string(end - 1) + " do SendMessage(" + name +
                ",LVM_INSERTCOLUMN,ListIndex,LParam(@ListColumn));";
      }
    }
    return text;
  }

  // The rows below the header, empty.
  std::string RowLines(bool header) const {
    const int32_t rows =
        std::clamp(IntegerOr(record_.RowCount, kDefaultRowCount), 0, kMaxRows) - (header ? 1 : 0);
    if (rows <= 0) return "";
    return "\r\n  { add rows to grid }\r\n  ListItem.mask := LVIF_TEXT; ListItem.iSubItem := 0; "
           "ListItem.pszText := '';\r\n  for ListIndex := 0 to " +
           std::to_string(rows - 1) + " do begin ListItem.iItem := ListIndex; SendMessage(" +
           record_.ControlName + ",LVM_INSERTITEM,0,LParam(@ListItem)); end;";
  }
};

}  // namespace

std::unique_ptr<ControlGenerator> NewGrid() { return std::make_unique<GridGenerator>(); }

}  // namespace vornic
