// The rows of the extended translation's classes and their lookup.
#include "extended/class_table.h"

#include <memory>
#include <utility>

#include "extended/library_classes.h"
#include "extended/placeholders.h"
#include "extended/writers.h"
#include "lib/text.h"

namespace vornic {

namespace {

const CheckedProperty kCaption = {"Caption", ValueKind::kStringLiteral};
const CheckedProperty kText = {"Text", ValueKind::kStringLiteral};

constexpr CheckedProperty Integer(std::string_view name) { return {name, ValueKind::kInteger}; }
constexpr CheckedProperty String(std::string_view name) {
  return {name, ValueKind::kStringLiteral};
}

// Lists of string entries and data values, named once.
constexpr ListCheck StringList(std::string_view property) { return {property, "lb_is"}; }
constexpr ListCheck DataLines(std::string_view property) { return {property, "image_is"}; }
constexpr ListCheck IntegerList(std::string_view property) { return {property, "int_is"}; }

// The numbers a grid's program is built from.
const PropertyList& GridValues() {
  static const PropertyList values =
      Joined({GeometryValues(),
              {Integer("ColCount"), Integer("RowCount"), Integer("FixedRows"),
               Integer("DefaultColWidth"), Integer("DefaultRowHeight"), Integer("GridLineWidth")}});
  return values;
}

const PropertyList& MainWindowValues() {
  static const PropertyList values = Joined(
      {GeometryValues(),
       {{"ClientWidth", ValueKind::kInteger}, {"ClientHeight", ValueKind::kInteger}, kCaption}});
  return values;
}

const std::vector<WrittenClass>& Rows() {
  static const std::vector<WrittenClass> rows = {
      // An object of the form's class below the root makes another window.
      {"TFORM1", &NewMainWindowWriter, MainWindowValues()},
      {"TLABEL", &NewLabelWriter, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TEDIT", &NewEditWriter, Joined({GeometryValues(), FontValues(), {kText}})},
      {"TBUTTON", &NewButtonWriter, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TCHECKBOX", &NewCheckBoxWriter, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TGROUPBOX", &NewGroupBoxWriter, Joined({GeometryValues(), FontValues(), {kCaption}})},
      {"TRADIOBUTTON", &NewRadioButtonWriter, Joined({GeometryValues(), FontValues(), {kCaption}})},
      // Containers: the panel's bevel and border widths size its paint code.
      {"TPANEL", &NewPanelWriter,
       Joined({GeometryValues(),
               {kCaption,
                {"BevelWidth", ValueKind::kInteger},
                {"BorderWidth", ValueKind::kInteger}}})},
      {"TSCROLLBOX", &NewScrollBoxWriter, GeometryValues()},
      // Bars. A status bar stores its geometry even where it docks, and one docked
      // elsewhere than at the bottom of the form stands where the form puts it.
      {"TPROGRESSBAR", &NewProgressBarWriter, Joined({GeometryValues(), RangeValues()})},
      {"TSTATUSBAR", &NewStatusBarWriter,
       Joined({GeometryValues(), FontValues(), {String("SimpleText")}})},
      {"TTRACKBAR", &NewTrackBarWriter, Joined({GeometryValues(), RangeValues()})},
      {"TSCROLLBAR", &NewScrollBarWriter,
       Joined({GeometryValues(),
               RangeValues(),
               {Integer("PageSize"), Integer("SmallChange"), Integer("LargeChange")}})},
      // Painted, no windows.
      {"TSHAPE", &NewShapeWriter, Joined({GeometryValues(), {Integer("Pen.Width")}})},
      {"TBEVEL", &NewBevelWriter, GeometryValues()},
      {"TSPLITTER", &NewSplitterWriter, GeometryValues()},
      {"TSTATICTEXT", &NewStaticTextWriter, Joined({GeometryValues(), {kCaption}})},
      {"THOTKEY", &NewHotKeyWriter, Joined({GeometryValues(), {Integer("HotKey")}})},
      {"TDATETIMEPICKER", &NewDateTimePickerWriter, Joined({GeometryValues(), {String("Format")}})},
      {"TMONTHCALENDAR", &NewMonthCalendarWriter, GeometryValues()},
      {"TUPDOWN", &NewUpDownWriter,
       Joined({GeometryValues(), RangeValues(), {Integer("Increment")}})},
      {"TSPINEDIT", &NewSpinEditWriter,
       Joined(
           {GeometryValues(),
            {Integer("MinValue"), Integer("MaxValue"), Integer("Value"), Integer("Increment")}})},
      {"TLABELEDEDIT", &NewLabeledEditWriter,
       Joined({GeometryValues(),
               {kText, String("EditLabel.Caption"), Integer("EditLabel.Width"),
                Integer("EditLabel.Height"), Integer("LabelSpacing")}})},
      {"TPAGECONTROL", &NewPageControlWriter, GeometryValues()},
      {"TTABSHEET", &NewTabSheetWriter, {kCaption}},
      // Menus have no geometry: the main menu's Left and Top place its icon
      // in the designer only.
      {"TMAINMENU", &NewMainMenuWriter, {}},
      {"TMENUITEM", &NewMenuItemWriter, {kCaption, {"ShortCut", ValueKind::kInteger}}},
      // Pictures and glyphs: their data lines are decoded into bitmaps.
      {"TIMAGE", &NewImageWriter, GeometryValues(), {DataLines("Picture.Data")}},
      {"TBITBTN",
       &NewBitButtonWriter,
       Joined({GeometryValues(), {kCaption}}),
       {DataLines("Glyph.Data")}},
      {"TSPEEDBUTTON",
       &NewSpeedButtonWriter,
       Joined({GeometryValues(), {kCaption, Integer("GroupIndex"), Integer("NumGlyphs")}}),
       {DataLines("Glyph.Data")}},
      {"TTOOLBAR", &NewToolBarWriter,
       Joined({GeometryValues(),
               {Integer("ButtonWidth"), Integer("ButtonHeight"), Integer("Indent")}})},
      {"TTOOLBUTTON", &NewToolButtonWriter, {kCaption, Integer("Width")}},
      // Lists: each entry is checked at its own line.
      {"TLISTBOX",
       &NewListBoxWriter,
       Joined({GeometryValues(), FontValues()}),
       {StringList("Items.Strings")}},
      {"TCOMBOBOX",
       &NewComboBoxWriter,
       Joined({GeometryValues(), FontValues(), {kText, Integer("ItemHeight")}}),
       {StringList("Items.Strings")}},
      {"TMEMO",
       &NewMemoWriter,
       Joined({GeometryValues(), FontValues()}),
       {StringList("Lines.Strings")}},
      {"TRADIOGROUP",
       &NewRadioGroupWriter,
       Joined({GeometryValues(), {kCaption, Integer("Columns"), Integer("ItemIndex")}}),
       {StringList("Items.Strings")}},
      {"TCHECKLISTBOX",
       &NewCheckListBoxWriter,
       Joined({GeometryValues(), {Integer("ItemHeight")}}),
       {StringList("Items.Strings")}},
      // A colour box lists colours, not its Items, and a masked edit writes no
      // Lines; their entries are checked as those of their kin.
      {"TCOLORBOX",
       &NewColorBoxWriter,
       Joined({GeometryValues(), {Integer("ItemHeight")}}),
       {StringList("Items.Strings")}},
      // An extended combo box's captions are those of its entries.
      {"TCOMBOBOXEX",
       &NewComboBoxExWriter,
       Joined({GeometryValues(), {kText, kCaption, Integer("ItemIndex"), Integer("ItemHeight")}}),
       {StringList("Items.Strings")}},
      {"TRICHEDIT", &NewRichEditWriter, GeometryValues(), {StringList("Lines.Strings")}},
      {"TMASKEDIT",
       &NewMaskEditWriter,
       Joined({GeometryValues(), {kText, Integer("MaxLength")}}),
       {StringList("Lines.Strings")}},
      // Views: a list view's captions are those of its columns; the items
      // of both are binary data, decoded as far as they can be.
      {"TLISTVIEW", &NewListViewWriter, Joined({GeometryValues(), {kCaption}})},
      {"TTREEVIEW", &NewTreeViewWriter, Joined({GeometryValues(), {Integer("Indent")}})},
      {"TSTRINGGRID", &NewGridWriter, GridValues(), {IntegerList("ColWidths")}},
      {"TDRAWGRID", &NewGridWriter, GridValues(), {IntegerList("ColWidths")}},
      {"TTABCONTROL", &NewTabControlWriter, GeometryValues(), {StringList("Tabs.Strings")}},
  };
  return rows;
}

const WrittenClass* RowOf(const std::string& upper) {
  for (const WrittenClass& row : Rows()) {
    if (upper == row.class_name) return &row;
  }
  return nullptr;
}

// What objects inside any object take over: its font.
ObjectChecks FontChecks() { return ObjectChecks{nullptr, nullptr, &FontValues(), false}; }

}  // namespace

ClassTable::ClassTable(ClassAliases aliases) : aliases_(std::move(aliases)) {}

const WrittenClass* ClassTable::Find(const std::string& class_name, bool* guessed) const {
  if (guessed != nullptr) *guessed = false;
  std::string upper = UpperText(class_name);
  // Class files are checked for circles when read; the bound keeps a lookup
  // finite whatever the aliases are.
  for (size_t hops = 0; hops <= aliases_.size(); ++hops) {
    const ClassAlias* alias = aliases_.Find(upper);
    if (alias == nullptr || !alias->from_file) {
      if (const WrittenClass* row = RowOf(upper)) return row;
    }
    if (alias == nullptr) {
      // Only a class that no alias and no row names is guessed: the target
      // of an alias stands as the alias names it.
      if (hops > 0) return nullptr;
      return Guess(upper, guessed);
    }
    if (alias->guessed && guessed != nullptr) *guessed = true;
    upper = alias->target;
  }
  return nullptr;
}

const WrittenClass* ClassTable::Guess(const std::string& upper, bool* guessed) const {
  const WrittenClass* row = nullptr;
  if (const std::string wrapped = WrappedClass(upper); !wrapped.empty()) row = Find(wrapped);
  if (row == nullptr) row = RowOf(ClassByEnding(upper));
  if (row != nullptr && guessed != nullptr) *guessed = true;
  return row;
}

const WrittenClass& ClassTable::MainWindow() {
  static const WrittenClass row{"", &NewMainWindowWriter, MainWindowValues()};
  return row;
}

const WrittenClass& ClassTable::Frame() {
  static const WrittenClass row{"", &NewFrameWriter, GeometryValues()};
  return row;
}

const WrittenClass* ClassTable::RowFor(const FormObject& object) const {
  if (object.parent == nullptr) return &MainWindow();
  // An object without a name cannot be declared; one left out writes nothing.
  if (object.name.empty() || object.left_out) return nullptr;
  // A frame neither found nor stored whole has nothing to hold: its class
  // name in a framed box says what is missing.
  if (object.kind == ObjectKind::kInline) return NeedsPlaceholder(object) ? nullptr : &Frame();
  return Find(object.class_name);
}

std::unique_ptr<ControlWriter> ClassTable::WriterFor(const FormObject& object) const {
  if (const WrittenClass* row = RowFor(object)) return row->writer();
  if (NeedsPlaceholder(object)) return NewPlaceholderWriter();
  return nullptr;
}

ObjectRules ClassTable::RulesFor(const FormObject& object, bool is_root) const {
  ObjectRules rules;
  rules.checks = FontChecks();
  rules.if_left_out = FontChecks();
  const WrittenClass* row = nullptr;
  if (is_root) {
    row = &MainWindow();
  } else if (object.kind == ObjectKind::kInline) {
    row = &Frame();
  } else if (!object.name.empty()) {
    row = Find(object.class_name, &rules.by_ending);
  }
  if (row == nullptr) return rules;
  rules.checks.properties = &row->checks;
  // The root's name is never written.
  rules.checks.names_variable = !is_root;
  for (const ListCheck& list : row->lists)
    rules.list_markers.emplace_back(list.property, list.marker);
  return rules;
}

}  // namespace vornic
