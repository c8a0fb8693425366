#include "lib/code_layout.h"

#include "lib/text.h"

namespace vornic {

std::string BannerComment(const std::string& text) {
  return "  { " + text + " " + RepeatText("=", 64 - static_cast<int>(text.size())) + " }";
}

std::string ContinuationIndent(const std::string& name) {
  return "  " + Spaces(static_cast<int>(name.size())) + "   ";
}

}  // namespace vornic
