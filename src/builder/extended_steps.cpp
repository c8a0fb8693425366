// The extended translation: the window looks like the form. Classes with a
// generator object of their own get it, every window control gets the font
// and the state the designer shows for it, the main window is written its own
// way, and every value those add to the program is checked like the others.
#include <utility>

#include "builder/extended_main_window.h"
#include "builder/open_objects.h"
#include "builder/program_names.h"
#include "builder/translation_steps.h"
#include "controls/control_state.h"
#include "controls/pages.h"

namespace vornic {

namespace {

class ExtendedSteps final : public TranslationSteps {
 public:
  explicit ExtendedSteps(ClassAliases aliases) : aliases_(std::move(aliases)) {}

  void ReserveNames(ProgramNames& names) const override { names.ReserveExtendedIdentifiers(); }
  bool FontsWithLines() const override { return true; }
  bool FocusesInTabOrder() const override { return true; }
  bool WritesListsAsData() const override { return true; }

  Generator MemberFor(const ClassRow& row) const override {
    return row.extended == nullptr ? row.build : nullptr;
  }

  GeneratorFactory FactoryFor(const ClassRow& row) const override { return row.extended; }

  // Any object may hand its font to the controls it holds, so the font
  // values of every object can reach the program.
  ObjectChecks ChecksFor(CheckedObject object, const ClassRow* row) const override {
    ObjectChecks checks{nullptr, nullptr, &FontValues(), false};
    const bool translated = row != nullptr && (row->build != nullptr || row->extended != nullptr);
    if (object == CheckedObject::kNone || !translated) return checks;
    checks.properties = &row->checks;
    checks.extended = &row->extended_checks;
    // The root's name is never written.
    checks.names_variable = object == CheckedObject::kControl;
    return checks;
  }

  const TRFont* FontFor(GeneratorContext context, int level, bool /*reads_font*/) const override {
    return &context.DesignFontAt(level).face;
  }

  // Hidden, disabled, tab stops, Enter and Escape, colours, and the tab
  // changes that show and hide a control on pages.
  void PrepareWindowControl(GeneratorContext context, WindowControl& control) const override {
    ApplyDesignState(context, control);
    KeepToPages(context, control);
  }

  bool WriteMainWindow(GeneratorContext context, TRForm& form) const override {
    WriteExtendedMainWindow(context, form);
    return true;
  }

  // A painted control that the designer hides is painted only once a flag
  // of its own is set, as a hidden window shows only once it is shown.
  std::string PaintedWhen(GeneratorContext context, int level,
                          const std::string& name) const override {
    if (context.DesignStateAt(level).visible) return "";
    const std::string flag = context.TakeIdentifier(name + "Shown");
    context.AddText("var", "\r\n    " + flag + ": Boolean = False;");
    return flag;
  }

  bool PlacesUndockedStatusBars() const override { return true; }

  // A form leaves out a Caption that is empty, and the control still shows.
  std::string UnstoredCaption() const override { return "''"; }

  const ClassAliases* aliases() const override { return &aliases_; }

 private:
  ClassAliases aliases_;
};

}  // namespace

std::unique_ptr<TranslationSteps> MakeExtendedSteps(ClassAliases aliases) {
  return std::make_unique<ExtendedSteps>(std::move(aliases));
}

}  // namespace vornic
