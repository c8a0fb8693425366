// Feeds arbitrary bytes as form text to the text to binary conversion: it may
// refuse them with one of the tool's errors, but never crash or hang.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "input/text_to_binary.h"
#include "lib/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream output;
  try {
    vornic::FormTextToResource(input, output);
  } catch (const vornic::Error&) {
    // Refusing bad text is the expected outcome for most inputs.
  }
  return 0;
}
