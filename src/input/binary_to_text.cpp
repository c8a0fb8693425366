#include "input/binary_to_text.h"

#include "lib/errors.h"

namespace vornic {

void FormResourceToText(std::istream&, std::ostream&) {
  throw EReadError("Binary form files are not supported yet");
}

void FormBinaryToText(std::istream&, std::ostream&) {
  throw EReadError("Binary form files are not supported yet");
}

}  // namespace vornic
