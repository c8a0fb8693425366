// Reads the form straight from the string that holds it.
#include "memory_translation.h"

#include <istream>
#include <streambuf>
#include <utility>

#include "builder/builder.h"
#include "driver/translation.h"
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

std::string TranslateInMemory(const std::string& form) {
  MemoryInput buffer(form);
  std::istream input(&buffer);
  TSDPR dpr("bench");
  TBuilder builder("bench");
  TranslateFormText(input, "bench.txt", dpr, builder);
  return std::move(dpr.ComposedText);
}

}  // namespace vornic
