// The class table: one row per translated class. Adding a class is one row.
#include "builder/class_table.h"

#include "lib/text.h"

namespace vornic {

namespace {

struct ClassRow {
  const char* class_name;  // in capitals
  Generator build;
};

// TFORM1 stays a row of its own: objects of that class below the root keep
// reaching BuildForm as they always did.
const ClassRow kClassTable[] = {
    {"TFORM1", &TBuilder::BuildForm},
    {"TLABEL", &TBuilder::BuildLabel},
    {"TEDIT", &TBuilder::BuildEdit},
    {"TBUTTON", &TBuilder::BuildButton},
    {"TCHECKBOX", &TBuilder::BuildCheckBox},
    {"TGROUPBOX", &TBuilder::BuildGroupBox},
    {"TRADIOBUTTON", &TBuilder::BuildRadioButton},
    {"TLISTBOX", &TBuilder::BuildListBox},
    {"TCOMBOBOX", &TBuilder::BuildComboBox},
    {"TPROGRESSBAR", &TBuilder::BuildProgressBar},
    {"TSTATUSBAR", &TBuilder::BuildStatusBar},
    {"TTRACKBAR", &TBuilder::BuildTrackBar},
    {"TSHAPE", &TBuilder::BuildShape},
    {"TBEVEL", &TBuilder::BuildBevel},
    {"TMEMO", &TBuilder::BuildMemo},
    {"TIMAGE", &TBuilder::BuildImage},
    {"TBITBTN", &TBuilder::BuildBitBtn},
};

}  // namespace

Generator GeneratorFor(const std::string& class_name) {
  const std::string upper = UpperText(class_name);
  for (const ClassRow& row : kClassTable) {
    if (upper == row.class_name) return row.build;
  }
  return nullptr;
}

}  // namespace vornic
