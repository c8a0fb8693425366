// The class table: one row per translated class, with its generator and the
// checks of the values that generator writes.
#include "builder/class_table.h"

#include <vector>

#include "lib/text.h"

namespace vornic {

namespace {

const CheckedProperty kCaption = {"Caption", ValueKind::kStringLiteral};
const CheckedProperty kText = {"Text", ValueKind::kStringLiteral};

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
      // The status bar docks at the bottom: its geometry is not written.
      {"TSTATUSBAR", &TBuilder::BuildStatusBar,
       Joined({FontValues(), {{"SimpleText", ValueKind::kStringLiteral}}})},
      {"TTRACKBAR", &TBuilder::BuildTrackBar, Joined({GeometryValues(), RangeValues()})},
      {"TSHAPE", &TBuilder::BuildShape,
       Joined({GeometryValues(), {{"Pen.Width", ValueKind::kInteger}}})},
      {"TBEVEL", &TBuilder::BuildBevel, GeometryValues()},
      {"TMEMO", &TBuilder::BuildMemo, Joined({GeometryValues(), FontValues()})},
      {"TIMAGE", &TBuilder::BuildImage, GeometryValues()},
      {"TBITBTN", &TBuilder::BuildBitBtn, GeometryValues()},
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
