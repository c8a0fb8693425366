// The whole translation of a form text, as the tests of the generators see it.
#include "support/program_fixture.h"

#include <sstream>

#include "driver/translation.h"
#include "lib/errors.h"
#include "support/tree_translation.h"

namespace vornic {

std::string ProgramFixture::TranslateForm(const std::string& form, Translation translation,
                                          const std::string& base) {
  std::istringstream text(form);
  dpr_ = std::make_unique<TSDPR>("form");
  TBuilder builder(base, translation);
  try {
    TranslateFormText(text, "form.txt", *dpr_, builder);
  } catch (const EParserError& failure) {
    return failure.what();
  }
  control_count_ = builder.ControlCount;
  return "";
}

std::string ProgramFixture::TranslateTree(const std::string& form, const std::string& base) {
  dpr_ = std::make_unique<TSDPR>("form");
  return WriteFormTree(form, *dpr_, base, control_count_);
}

std::string ProgramFixture::Added(const std::string& section) const {
  static const TSDPR kFrame("form");
  return dpr_->Section(section).substr(kFrame.Section(section).size());
}

}  // namespace vornic
