// A fixture for tests of whole translations: form text through the driver's
// line loop, or read into a tree and written, into a program, and what each
// section of the program gained.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/translator.h"
#include "output/program_text.h"

namespace vornic {

/// The program of `form` as the driver's `translation` writes it, composed;
/// its resource script named after `base`. The error report instead, when
/// the form fails.
std::string TranslatedProgram(const std::string& form, Translation translation,
                              const std::string& base = "form");

class ProgramFixture : public ::testing::Test {
 protected:
  /// Translates `form` into dpr_ as the driver does, with the resource
  /// script named after `base`; returns the error report, empty when the
  /// form passes.
  std::string TranslateForm(const std::string& form,
                            Translation translation = Translation::kExtended,
                            const std::string& base = "form");
  /// Translates `form` into dpr_ as the driver's extended translation does:
  /// read into a tree, then written. Returns as TranslateForm does.
  std::string TranslateTree(const std::string& form, const std::string& base = "form");
  /// What the form added to `section` of the program's frame.
  std::string Added(const std::string& section) const;

  TSDPR* dpr_ = nullptr;   // the program of the last translation, in translation_
  int control_count_ = 0;  // the controls it wrote
  std::unique_ptr<Translator> translation_;
};

}  // namespace vornic
