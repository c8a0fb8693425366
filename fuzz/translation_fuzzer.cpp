// Fuzz target: the whole translation of form text (logical lines, parser,
// builder and generators, or form tree and writers, assembler) into a
// program held in memory, once with each translation.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "driver/translation.h"
#include "driver/translator.h"
#include "lib/errors.h"
#include "output/program_text.h"

namespace {

// Bitmaps go into a resource script named after the output, written as a
// temporary file in a directory of its own that goes with the builder.
const std::string& ScriptBaseName() {
  static const std::string base = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "vornic_fuzz_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    return pattern + "/form";
  }();
  return base;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string form(reinterpret_cast<const char*>(data), size);
  for (const vornic::Translation translation :
       {vornic::Translation::kExact, vornic::Translation::kExtended}) {
    std::istringstream text(form);
    {
      const std::string output = ScriptBaseName() + ".dpr";
      std::unique_ptr<vornic::Translator> translator =
          translation == vornic::Translation::kExtended
              ? vornic::MakeExtendedTranslator("form.txt", output, vornic::ClassAliases())
              : vornic::MakeExactTranslator("form.txt", output);
      try {
        vornic::ReadFormText(text, "form.txt", translator->text());
        translator->Finish();
        translator->program().Compose();
      } catch (const vornic::Error&) {
        // Rejected input is an expected outcome; only crashes and leaks count.
      }
    }
    std::remove((ScriptBaseName() + ".rc").c_str());
  }
  return 0;
}
