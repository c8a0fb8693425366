// The class table: one row per translated class, with its generator and the
// checks of the values that generator writes into the program.
#include "builder/class_table.h"

#include <memory>
#include <vector>

#include "extended/class_aliases.h"
#include "lib/text.h"

namespace vornic {

// The generators that only the extended translation has, each defined in its
// own file under src/controls/.
std::unique_ptr<ControlGenerator> NewStaticText();
std::unique_ptr<ControlGenerator> NewBitButton();
std::unique_ptr<ControlGenerator> NewPictureImage();
std::unique_ptr<ControlGenerator> NewPanel();
std::unique_ptr<ControlGenerator> NewScrollBox();
std::unique_ptr<ControlGenerator> NewPageControl();
std::unique_ptr<ControlGenerator> NewTabSheet();
std::unique_ptr<ControlGenerator> NewTabControl();
std::unique_ptr<ControlGenerator> NewMainMenu();
std::unique_ptr<ControlGenerator> NewMenuItem();
std::unique_ptr<ControlGenerator> NewRadioGroup();
std::unique_ptr<ControlGenerator> NewSpeedButton();
std::unique_ptr<ControlGenerator> NewToolBar();
std::unique_ptr<ControlGenerator> NewToolButton();
std::unique_ptr<ControlGenerator> NewLabeledEdit();
std::unique_ptr<ControlGenerator> NewUpDown();
std::unique_ptr<ControlGenerator> NewSpinEdit();
std::unique_ptr<ControlGenerator> NewScrollBar();
std::unique_ptr<ControlGenerator> NewSplitter();
std::unique_ptr<ControlGenerator> NewHotKey();
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

constexpr CheckedProperty Integer(std::string_view name) { return {name, ValueKind::kInteger}; }
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
      // The status bar docks at the bottom: only the extended translation
      // writes the geometry of one docked elsewhere.
      {"TSTATUSBAR", &TBuilder::BuildStatusBar,
       Joined({FontValues(), {{"SimpleText", ValueKind::kStringLiteral}}}), nullptr,
       GeometryValues()},
      {"TTRACKBAR", &TBuilder::BuildTrackBar, Joined({GeometryValues(), RangeValues()})},
      {"TSHAPE", &TBuilder::BuildShape,
       Joined({GeometryValues(), {{"Pen.Width", ValueKind::kInteger}}})},
      {"TBEVEL", &TBuilder::BuildBevel, GeometryValues()},
      {"TMEMO", &TBuilder::BuildMemo, Joined({GeometryValues(), FontValues()})},
      {"TIMAGE", &TBuilder::BuildImage, GeometryValues(), &NewPictureImage},
      {"TBITBTN", &TBuilder::BuildBitBtn, GeometryValues(), &NewBitButton, {kCaption}},
      {"TSTATICTEXT", nullptr, Joined({GeometryValues(), {kCaption}}), &NewStaticText},
      // Containers: the panel's bevel and border widths size its paint code.
      {"TPANEL", nullptr,
       Joined(
           {GeometryValues(),
            {kCaption, {"BevelWidth", ValueKind::kInteger}, {"BorderWidth", ValueKind::kInteger}}}),
       &NewPanel},
      {"TSCROLLBOX", nullptr, GeometryValues(), &NewScrollBox},
      {"TPAGECONTROL", nullptr, GeometryValues(), &NewPageControl},
      {"TTABSHEET", nullptr, {kCaption}, &NewTabSheet},
      {"TTABCONTROL", nullptr, GeometryValues(), &NewTabControl},
      // Menus have no geometry: the main menu's Left and Top place its icon
      // in the designer only.
      {"TMAINMENU", nullptr, {}, &NewMainMenu},
      {"TMENUITEM", nullptr, {kCaption, {"ShortCut", ValueKind::kInteger}}, &NewMenuItem},
      {"TRADIOGROUP", nullptr,
       Joined({GeometryValues(), {kCaption, Integer("Columns"), Integer("ItemIndex")}}),
       &NewRadioGroup},
      {"TSPEEDBUTTON", nullptr,
       Joined({GeometryValues(), {kCaption, Integer("GroupIndex"), Integer("NumGlyphs")}}),
       &NewSpeedButton},
      {"TTOOLBAR", nullptr,
       Joined({GeometryValues(),
               {Integer("ButtonWidth"), Integer("ButtonHeight"), Integer("Indent")}}),
       &NewToolBar},
      {"TTOOLBUTTON", nullptr, {kCaption, Integer("Width")}, &NewToolButton},
      {"TLABELEDEDIT", nullptr,
       Joined({GeometryValues(),
               {kText,
                {"EditLabel.Caption", ValueKind::kStringLiteral},
                Integer("EditLabel.Width"),
                Integer("EditLabel.Height"),
                Integer("LabelSpacing")}}),
       &NewLabeledEdit},
      {"TUPDOWN", nullptr, Joined({GeometryValues(), RangeValues(), {Integer("Increment")}}),
       &NewUpDown},
      {"TSPINEDIT", nullptr,
       Joined({GeometryValues(),
               {Integer("MinValue"), Integer("MaxValue"), Integer("Value"), Integer("Increment")}}),
       &NewSpinEdit},
      {"TSCROLLBAR", nullptr,
       Joined({GeometryValues(),
               RangeValues(),
               {Integer("PageSize"), Integer("SmallChange"), Integer("LargeChange")}}),
       &NewScrollBar},
      {"TSPLITTER", nullptr, GeometryValues(), &NewSplitter},
      {"THOTKEY", nullptr, Joined({GeometryValues(), {Integer("HotKey")}}), &NewHotKey},
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

namespace {

const ClassRow* RowOf(const std::string& upper) {
  for (const ClassRow& row : ClassTable()) {
    if (upper == row.class_name) return &row;
  }
  return nullptr;
}

}  // namespace

const ClassRow* FindClassRow(const std::string& class_name, const ClassAliases* aliases,
                             bool* by_ending) {
  if (by_ending != nullptr) *by_ending = false;
  std::string upper = UpperText(class_name);
  if (aliases == nullptr) return RowOf(upper);
  // Class files are checked for circles when read; the bound keeps a lookup
  // finite whatever the aliases are.
  for (size_t hops = 0; hops <= aliases->size(); ++hops) {
    const ClassAlias* alias = aliases->Find(upper);
    if (alias == nullptr || !alias->from_file) {
      if (const ClassRow* row = RowOf(upper)) return row;
    }
    if (alias == nullptr) {
      // Only a class that no alias and no row names goes by its ending: the
      // target of an alias stands as the alias names it.
      if (hops > 0) return nullptr;
      const std::string standard = ClassByEnding(upper);
      if (standard.empty()) return nullptr;
      if (by_ending != nullptr) *by_ending = true;
      return RowOf(standard);
    }
    upper = alias->target;
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
