// The class table: one row per translated class, with its generator and the
// checks of the values that generator writes into the program.
#include "builder/class_table.h"

#include <memory>
#include <vector>

#include "lib/text.h"

namespace vornic {

// The generators that only the extended translation has, each defined in its
// own file under src/controls/.
std::unique_ptr<ControlGenerator> NewStaticText();
std::unique_ptr<ControlGenerator> NewDateTimePicker();
std::unique_ptr<ControlGenerator> NewMonthCalendar();
std::unique_ptr<ControlGenerator> NewListView();
std::unique_ptr<ControlGenerator> NewTreeView();
std::unique_ptr<ControlGenerator> NewRichEdit();
std::unique_ptr<ControlGenerator> NewMaskEdit();
std::unique_ptr<ControlGenerator> NewCheckListBox();
std::unique_ptr<ControlGenerator> NewColorBox();
std::unique_ptr<ControlGenerator> NewComboBoxEx();
std::unique_ptr<ControlGenerator> NewGrid();

namespace {

const CheckedProperty kCaption = {"Caption", ValueKind::kStringLiteral};
const CheckedProperty kText = {"Text", ValueKind::kStringLiteral};

// The numbers a grid's program is built from.
const PropertyList& GridValues() {
  static const PropertyList values =
      Joined({GeometryValues(),
              {{"ColCount", ValueKind::kInteger},
               {"RowCount", ValueKind::kInteger},
               {"FixedRows", ValueKind::kInteger},
               {"DefaultColWidth", ValueKind::kInteger},
               {"DefaultRowHeight", ValueKind::kInteger},
               {"GridLineWidth", ValueKind::kInteger}}});
  return values;
}

const PropertyList& MainWindowValues() {
  static const PropertyList values = Joined(
      {GeometryValues(),
       {{"ClientWidth", ValueKind::kInteger}, {"ClientHeight", ValueKind::kInteger}, kCaption}});
  return values;
}

// TFORM1 stays a row of its own: objects of that class below the root keep
// reaching BuildForm as they always did.
const std::vector<ClassRow>& ClassTable() {
  static const std::vector<ClassRow> table = {
      {"TFORM1", &TBuilder::BuildForm, MainWindowValues()},
      {"TLABEL", &TBuilder::BuildLabel, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TEDIT", &TBuilder::BuildEdit, Joined({GeometryValues(), FontValues(), {kText}})},
      {"TBUTTON", &TBuilder::BuildButton, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TCHECKBOX", &TBuilder::BuildCheckBox, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TGROUPBOX", &TBuilder::BuildGroupBox, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TRADIOBUTTON", &TBuilder::BuildRadioButton,
       Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TLISTBOX", &TBuilder::BuildListBox, Joined({GeometryValues(), FontValues()})},
      {"TCOMBOBOX", &TBuilder::BuildComboBox,
       Joined({GeometryValues(), FontValues(), {kText, {"ItemHeight", ValueKind::kInteger}}})},
      {"TPROGRESSBAR", &TBuilder::BuildProgressBar, Joined({GeometryValues(), RangeValues()})},
      // The status bar docks at the bottom: its geometry is never written.
      {"TSTATUSBAR", &TBuilder::BuildStatusBar,
       Joined({FontValues(), {{"SimpleText", ValueKind::kStringLiteral}}})},
      {"TTRACKBAR", &TBuilder::BuildTrackBar, Joined({GeometryValues(), RangeValues()})},
      {"TSHAPE", &TBuilder::BuildShape,
       Joined({GeometryValues(), {{"Pen.Width", ValueKind::kInteger}}})},
      {"TBEVEL", &TBuilder::BuildBevel, GeometryValues()},
      {"TMEMO", &TBuilder::BuildMemo, Joined({GeometryValues(), FontValues()})},
      {"TIMAGE", &TBuilder::BuildImage, GeometryValues()},
      {"TBITBTN", &TBuilder::BuildBitBtn, GeometryValues()},
      {"TSTATICTEXT", nullptr, Joined({GeometryValues(), {kCaption}}), &NewStaticText},
      {"TDATETIMEPICKER", nullptr,
       Joined({GeometryValues(), {{"Format", ValueKind::kStringLiteral}}}), &NewDateTimePicker},
      {"TMONTHCALENDAR", nullptr, GeometryValues(), &NewMonthCalendar},
      // A list view's captions are those of its columns.
      {"TLISTVIEW", nullptr, Joined({GeometryValues(), {kCaption}}), &NewListView},
      {"TTREEVIEW", nullptr, Joined({GeometryValues(), {{"Indent", ValueKind::kInteger}}}),
       &NewTreeView},
      {"TRICHEDIT", nullptr, GeometryValues(), &NewRichEdit},
      {"TMASKEDIT", nullptr,
       Joined({GeometryValues(), {kText, {"MaxLength", ValueKind::kInteger}}}), &NewMaskEdit},
      {"TCHECKLISTBOX", nullptr,
       Joined({GeometryValues(), {{"ItemHeight", ValueKind::kInteger}}}), &NewCheckListBox},
      {"TCOLORBOX", nullptr, Joined({GeometryValues(), {{"ItemHeight", ValueKind::kInteger}}}),
       &NewColorBox},
      // An extended combo box's captions are those of its entries.
      {"TCOMBOBOXEX", nullptr,
       Joined({GeometryValues(),
               {kText, kCaption, {"ItemIndex", ValueKind::kInteger},
                {"ItemHeight", ValueKind::kInteger}}}),
       &NewComboBoxEx},
      {"TSTRINGGRID", nullptr, GridValues(), &NewGrid},
      {"TDRAWGRID", nullptr, GridValues(), &NewGrid},
  };
  return table;
}

}  // namespace

const ClassRow* FindClassRow(const std::string& class_name) {
  const std::string upper = UpperText(class_name);
  for (const ClassRow& row : ClassTable()) {
    if (upper == row.class_name) return &row;
  }
  return nullptr;
}

const ClassRow& MainWindowRow() {
  static const ClassRow row{"", &TBuilder::BuildForm, MainWindowValues()};
  return row;
}

Generator GeneratorFor(const std::string& class_name) {
  const ClassRow* row = FindClassRow(class_name);
  return row == nullptr ? nullptr : row->build;
}

}  // namespace vornic
