// The whole translation of a form text, as the tests of the generators see it.
#include "support/program_fixture.h"

#include <sstream>

#include "driver/translation.h"
#include "lib/errors.h"

namespace vornic {

std::string ProgramFixture::TranslateForm(const std::string& form, Translation translation,
                                          const std::string& base) {
  std::istringstream text(form);
  const std::string output = base + ".dpr";
  translation_ = translation == Translation::kExtended
                     ? MakeExtendedTranslator("form.txt", output, ClassAliases())
                     : MakeExactTranslator("form.txt", output);
  dpr_ = &translation_->program();
  try {
    ReadFormText(text, "form.txt", translation_->text());
    translation_->Finish();
  } catch (const EParserError& failure) {
    return failure.what();
  }
  dpr_->Compose();
  control_count_ = translation_->control_count();
  return "";
}

std::string ProgramFixture::TranslateTree(const std::string& form, const std::string& base) {
  return TranslateForm(form, Translation::kExtended, base);
}

std::string TranslatedProgram(const std::string& form, Translation translation,
                              const std::string& base) {
  struct Translating : ProgramFixture {
    void TestBody() override {}
    std::string Program(const std::string& text, Translation kind, const std::string& name) {
      const std::string report = TranslateForm(text, kind, name);
      return report.empty() ? dpr_->ComposedText : report;
    }
  } fixture;
  return fixture.Program(form, translation, base);
}

std::string ProgramFixture::Added(const std::string& section) const {
  static const TSDPR kFrame("form");
  return dpr_->Section(section).substr(kFrame.Section(section).size());
}

}  // namespace vornic
