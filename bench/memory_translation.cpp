// Reads the form straight from the string that holds it.
#include "memory_translation.h"

#include <filesystem>
#include <istream>
#include <memory>
#include <streambuf>

#include "driver/translation.h"
#include "lib/file_replacement.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// Reads straight from a string that outlives it.
class MemoryInput : public std::streambuf {
 public:
  explicit MemoryInput(const std::string& data) {
    char* begin = const_cast<char*>(data.data());
    setg(begin, begin, begin + data.size());
  }
};

}  // namespace

void TranslateInMemory(const std::string& form, Translation kind) {
  MemoryInput buffer(form);
  std::istream input(&buffer);
  // Never committed, the script is removed with the translation.
  const std::string output =
      (std::filesystem::temp_directory_path() / "vornic_bench.dpr").string();
  std::unique_ptr<Translator> translation =
      kind == Translation::kExtended ? MakeExtendedTranslator("bench.txt", output, ClassAliases())
                                     : MakeExactTranslator("bench.txt", output);
  ReadFormText(input, "bench.txt", translation->text());
  translation->Finish();
  // A device is written in place: nothing to rename, nothing to flush to a disk.
  FileReplacement program("/dev/null");
  translation->program().SaveTo(program);
  program.Finish();
}

}  // namespace vornic
