// The conversions through string streams.
#include "support/conversions.h"

#include <sstream>

#include "input/binary_to_text.h"
#include "input/text_to_binary.h"

namespace vornic {

std::string TextOf(const std::string& binary) {
  std::istringstream input(binary);
  std::ostringstream output;
  FormResourceToText(input, output);
  return output.str();
}

std::string BinaryOf(const std::string& text) {
  std::istringstream input(text);
  std::ostringstream output;
  FormTextToResource(input, output);
  return output.str();
}

}  // namespace vornic
