// Whole-word edits of a window's style text.
#include "extended/window_styles.h"

namespace vornic {

namespace {

constexpr char kOr[] = " or ";
constexpr size_t kOrLength = sizeof(kOr) - 1;

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Where `style` stands as a whole word in `styles`, or npos.
size_t FindStyle(const std::string& styles, const std::string& style) {
  for (size_t at = styles.find(style); at != std::string::npos; at = styles.find(style, at + 1)) {
    const size_t end = at + style.size();
    const bool starts = at == 0 || !IsWordChar(styles[at - 1]);
    const bool ends = end == styles.size() || !IsWordChar(styles[end]);
    if (starts && ends) return at;
  }
  return std::string::npos;
}

}  // namespace

bool HasStyle(const std::string& styles, const std::string& style) {
  return FindStyle(styles, style) != std::string::npos;
}

void RemoveStyle(std::string& styles, const std::string& style) {
  const size_t at = FindStyle(styles, style);
  if (at == std::string::npos) return;
  const size_t end = at + style.size();
  if (styles.compare(end, kOrLength, kOr) == 0) {
    styles.erase(at, style.size() + kOrLength);
  } else if (at >= kOrLength && styles.compare(at - kOrLength, kOrLength, kOr) == 0) {
    styles.erase(at - kOrLength, style.size() + kOrLength);
  } else {
    styles.erase(at, style.size());
  }
}

void AddStyle(std::string& styles, const std::string& style) {
  if (HasStyle(styles, style)) return;
  styles += styles.empty() ? style : kOr + style;
}

}  // namespace vornic
