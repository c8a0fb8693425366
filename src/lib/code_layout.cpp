#include "lib/code_layout.h"

#include "lib/text.h"

namespace vornic {

std::string BannerComment(const std::string& text) {
  const size_t rule = text.size() < 64 ? 64 - text.size() : 0;
  return "  { " + text + " " + std::string(rule, '=') + " }";
}

std::string ContinuationIndent(const std::string& name) {
  return "  " + Spaces(static_cast<int>(name.size())) + "   ";
}

}  // namespace vornic
