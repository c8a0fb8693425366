// The small helpers every control generator shares.
#pragma once

#include <string>

namespace vornic {

/// `text`, or an empty quoted text when `text` is empty, so that a missing
/// property still gives the generated call its argument.
std::string QuotedOrEmpty(const std::string& text);

}  // namespace vornic
