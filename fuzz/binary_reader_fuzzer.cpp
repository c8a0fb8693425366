// Feeds arbitrary bytes to the binary form reader: any input must end in
// form text or in one of the tool's own errors, never in a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "input/binary_to_text.h"
#include "lib/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream output;
  try {
    vornic::FormResourceToText(input, output);
  } catch (const vornic::Error&) {
    // Rejecting bad input with the tool's own error is the expected outcome.
  }
  return 0;
}
