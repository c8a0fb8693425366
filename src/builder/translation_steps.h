// TranslationSteps: what the exact and the extended translation do
// differently, chosen once per run when the builder is made. The generators
// stay the same; the steps decide which of them run and what the shared
// creation step adds.
#pragma once

#include <memory>
#include <string>

#include "extended/class_aliases.h"
#include "builder/class_table.h"
#include "builder/control_generator.h"
#include "builder/value_checks.h"

namespace vornic {

class ProgramNames;
struct TRFont;
struct TRForm;
struct WindowControl;

class TranslationSteps {
 public:
  virtual ~TranslationSteps() = default;

  /// The member of TBuilder that receives the lines of objects of the row's
  /// class; nullptr when none does.
  virtual Generator MemberFor(const ClassRow& row) const = 0;
  /// The factory of the generator objects for the row's class; nullptr when
  /// a member serves the class, or nothing does.
  virtual GeneratorFactory FactoryFor(const ClassRow& row) const = 0;
  /// The checks of an object's lines; `row` is its class's row (the main
  /// window's for the root), nullptr when the class has none.
  virtual ObjectChecks ChecksFor(CheckedObject object, const ClassRow* row) const = 0;
  /// The font that a control of the object open at `level` is given, nullptr
  /// for none; `reads_font` says that its generator collects Font values.
  virtual const TRFont* FontFor(GeneratorContext context, int level, bool reads_font) const = 0;
  /// Completes the description of a window control before it is written:
  /// where a translation adds styles or lines to every window. By default it
  /// adds nothing.
  virtual void PrepareWindowControl(GeneratorContext /*context*/,
                                    WindowControl& /*control*/) const {}
  /// Writes the main window's creation from `form` and returns true, or
  /// returns false to leave it to the builder's own, documented writer.
  virtual bool WriteMainWindow(GeneratorContext /*context*/, TRForm& /*form*/) const {
    return false;
  }
  /// The condition under which the painted control `name`, of the object
  /// open at `level`, is painted; empty for always.
  virtual std::string PaintedWhen(GeneratorContext /*context*/, int /*level*/,
                                  const std::string& /*name*/) const {
    return "";
  }
  /// The caption literal written for a label, push button, check box, radio
  /// button or group box whose object stores no Caption (the designer's empty one);
  /// empty to leave such a control out.
  virtual std::string UnstoredCaption() const { return ""; }
  /// True when a status bar that the form does not dock at its bottom edge
  /// (inside a container, or with another Align) stands where the form puts
  /// it; false when every status bar docks at the main window's bottom.
  virtual bool PlacesUndockedStatusBars() const { return false; }
  /// The aliases under which classes are looked up in the class table,
  /// nullptr when classes are looked up by their own names only.
  virtual const ClassAliases* aliases() const { return nullptr; }
  /// Keeps the identifiers that only this translation's programs use from
  /// becoming variables: the exact translation leaves them to the form, so
  /// that it names every control as it always did. By default none.
  virtual void ReserveNames(ProgramNames& /*names*/) const {}
  /// True when the fonts are created with the underline and strike-out of
  /// their Font.Style; the exact translation creates every font without.
  virtual bool FontsWithLines() const { return false; }
  /// True when the first focus goes to the form's ActiveControl, else to the
  /// control first in the designer's tab order; the exact translation gives
  /// it to the first control created that can take it.
  virtual bool FocusesInTabOrder() const { return false; }
  /// True when a long list is written as constant arrays and a call per
  /// array; the exact translation writes a statement per entry.
  virtual bool WritesListsAsData() const { return false; }
};

/// The translation the documented rules describe, byte for byte.
std::unique_ptr<TranslationSteps> MakeExactSteps();

/// The translation that makes the window look like the form, writing the
/// classes of `aliases` as the classes they name.
std::unique_ptr<TranslationSteps> MakeExtendedSteps(ClassAliases aliases = ClassAliases());

/// The steps of `translation`.
std::unique_ptr<TranslationSteps> MakeTranslationSteps(Translation translation);

}  // namespace vornic
