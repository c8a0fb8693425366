// The extended translation: the window looks like the form. Classes with a
// generator object of their own get it, every window control gets the font
// the designer shows for it, and every value those add to the program is
// checked like the others.
#include <utility>

#include "builder/open_objects.h"
#include "builder/records.h"
#include "builder/translation_steps.h"

namespace vornic {

// The identifiers that the generators only this translation has write, each
// list in its generator's file under src/controls/.
void ReserveMenuNames(ProgramNames& names);

namespace {

class ExtendedSteps final : public TranslationSteps {
 public:
  explicit ExtendedSteps(ClassAliases aliases) : aliases_(std::move(aliases)) {}

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

  const ClassAliases* aliases() const override { return &aliases_; }

  void ReserveNames(ProgramNames& names) const override { ReserveMenuNames(names); }

  // The main menu that the form names becomes the bar (src/controls/menus.cpp).
  bool ShowsMenuBar(const TRForm& form) const override { return !form.Menu.empty(); }

 private:
  ClassAliases aliases_;
};

}  // namespace

std::unique_ptr<TranslationSteps> MakeExtendedSteps(ClassAliases aliases) {
  return std::make_unique<ExtendedSteps>(std::move(aliases));
}

}  // namespace vornic
