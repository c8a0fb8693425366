// The tool reads everything it writes: a binary form B that converts to text
// T must convert back from T to a binary B2, and B2 must give T again, byte
// for byte. Any other outcome aborts, so libFuzzer reports the input.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "input/binary_to_text.h"
#include "input/text_to_binary.h"
#include "lib/errors.h"

namespace {

std::string TextOf(const std::string& binary) {
  std::istringstream input(binary);
  std::ostringstream output;
  vornic::FormResourceToText(input, output);
  return output.str();
}

std::string BinaryOf(const std::string& text) {
  std::istringstream input(text);
  std::ostringstream output;
  vornic::FormTextToResource(input, output);
  return output.str();
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text;
  try {
    text = TextOf(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const vornic::Error&) {
    return 0;  // a binary the reader refuses has no text to read back
  }
  std::string again;
  try {
    again = TextOf(BinaryOf(text));
  } catch (const vornic::Error& failure) {
    Fail("the written text does not read back", failure.what());
  }
  if (again != text) Fail("the text read back differs", again);
  return 0;
}
