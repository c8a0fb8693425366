#include "input/text_to_binary.h"

namespace vornic {

// Placeholder until the text converter lands: writes nothing.
void FormTextToResource(std::istream&, std::ostream&) {}

void FormTextToBinary(std::istream&, std::ostream&) {}

}  // namespace vornic
