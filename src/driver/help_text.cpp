// Paragraphs are indented by two columns; a term stands at that indent with
// its text beside it, or above the text when the term is too long for the gap.
// A blank line stands between two items unless both took one line and are of
// one kind, so that short items (the synopsis, the short options) stay together.
#include "driver/help_text.h"

#include <string>
#include <vector>

#include "driver/help_document.h"

namespace vornic {
namespace {

constexpr size_t kWidth = 79;
constexpr size_t kIndent = 2;
constexpr size_t kTextColumn = 22;  // where a term's text begins

std::string PlainText(const std::string& marked) {
  std::string text;
  for (const HelpSpan& span : SplitSpans(marked)) text += span.text;
  return text;
}

// The words of `text` in lines of at most `width` columns; a longer word
// stands alone.
std::vector<std::string> Wrap(const std::string& text, size_t width) {
  std::vector<std::string> lines;
  std::string line;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      lines.push_back(line);
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The lines of one item, each with its line feed.
std::vector<std::string> ItemLines(const HelpItem& item) {
  std::vector<std::string> lines;
  const std::string indent(kIndent, ' ');
  if (*item.term == '\0') {
    for (const std::string& line : Wrap(PlainText(item.text), kWidth - kIndent)) {
      lines.push_back(indent + line + "\n");
    }
    return lines;
  }
  const std::string term = indent + PlainText(item.term);
  const std::vector<std::string> text = Wrap(PlainText(item.text), kWidth - kTextColumn);
  // Two blanks at least between a term and its text.
  const bool beside = term.size() + 2 <= kTextColumn;
  if (!beside) lines.push_back(term + "\n");
  for (size_t i = 0; i < text.size(); ++i) {
    const std::string start = i == 0 && beside ? term : "";
    lines.push_back(start + std::string(kTextColumn - start.size(), ' ') + text[i] + "\n");
  }
  return lines;
}

}  // namespace

std::string HelpText() {
  std::string help;
  for (const HelpSection& section : HelpSections()) {
    if (section.manual_only) continue;
    if (!help.empty()) help += "\n";
    help += std::string(section.title) + "\n";
    bool first = true;
    bool previous_short = false;  // the item before took one line
    bool previous_term = false;   // ... and was a term
    for (const HelpItem& item : section.items) {
      const std::vector<std::string> lines = ItemLines(item);
      const bool is_short = lines.size() == 1;
      const bool is_term = *item.term != '\0';
      if (!first && !(previous_short && is_short && previous_term == is_term)) help += "\n";
      for (const std::string& line : lines) help += line;
      first = false;
      previous_short = is_short;
      previous_term = is_term;
    }
  }
  return help;
}

}  // namespace vornic
