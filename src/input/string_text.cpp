// String text writing shared by byte strings and wide strings.
#include "input/string_text.h"

#include <string>

namespace vornic {
namespace {

constexpr size_t kLineLength = 64;

unsigned CodeOf(char c) { return static_cast<unsigned char>(c); }
unsigned CodeOf(char16_t c) { return c; }

// Control characters and the quote are never written inside quotes, so the
// text reads back without doubling or escapes.
bool Quotable(unsigned code) { return code >= 32 && code != '\'' && code <= 255; }

void WriteRun(TextWriter& writer, std::string_view run) { writer.Write(run); }

void WriteRun(TextWriter& writer, std::u16string_view run) {
  for (char16_t c : run) writer.Write(static_cast<char>(c & 0xFF));
}

template <typename Char>
void WriteSegments(TextWriter& writer, std::basic_string_view<Char> text, int level) {
  if (text.empty()) {
    writer.Write(std::string_view("''"));
    return;
  }
  const size_t length = text.size();
  if (length > kLineLength) writer.NewLine(level + 1);
  size_t line_start = 0;  // where the string's part on this text line began
  size_t i = 0;
  while (i < length) {
    if (Quotable(CodeOf(text[i]))) {
      size_t run_start = i;
      do {
        ++i;
      } while (i < length && Quotable(CodeOf(text[i])) && i - line_start < kLineLength);
      writer.Write('\'');
      WriteRun(writer, text.substr(run_start, i - run_start));
      writer.Write('\'');
    } else {
      writer.Write('#');
      writer.Write(std::to_string(CodeOf(text[i])));
      ++i;
    }
    if (i - line_start >= kLineLength && i < length) {
      writer.Write(std::string_view(" +"));
      writer.NewLine(level + 1);
      line_start = i;
    }
  }
}

}  // namespace

void WriteStringText(TextWriter& writer, std::string_view text, int level) {
  WriteSegments(writer, text, level);
}

void WriteWideStringText(TextWriter& writer, std::u16string_view text, int level) {
  WriteSegments(writer, text, level);
}

}  // namespace vornic
