// Physical lines cut from pieces of text, and continued values joined into
// logical lines. A line that lies whole within one piece and is not
// continued reaches the receiver without being copied.
#include "input/form_text_lines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "lib/text.h"

namespace vornic {
namespace {

constexpr char kEndOfText = 26;
constexpr char kQuote = '\'';
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of `text` without its trailing blanks. A continued value grows at
// its end only, so this looks at the newest piece alone.
size_t TrimmedSize(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? 0 : last + 1;
}

bool EndsWithEquals(std::string_view trimmed) { return !trimmed.empty() && trimmed.back() == '='; }

bool EndsWithPlus(std::string_view trimmed) {
  return trimmed.size() >= 2 && trimmed.back() == '+' && trimmed[trimmed.size() - 2] == ' ';
}

bool IsContinued(std::string_view line) {
  const std::string_view trimmed = line.substr(0, TrimmedSize(line));
  return EndsWithEquals(trimmed) || EndsWithPlus(trimmed);
}

bool EndsLine(char c) { return c == '\r' || c == '\n' || c == kEndOfText; }

// The first CR, LF or character 26 in [begin, end), or `end`. All three are
// below a blank, so eight bytes at a time are passed over when none is.
const char* FindLineEnd(const char* begin, const char* end) {
  constexpr uint64_t kOnes = 0x0101010101010101;
  constexpr uint64_t kHighBits = 0x8080808080808080;
  const char* p = begin;
  for (; end - p >= 8; p += 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    // Zero exactly when no byte is below 0x20.
    if (((word - kOnes * 0x20) & ~word & kHighBits) == 0) continue;
    for (int i = 0; i < 8; ++i) {
      if (EndsLine(p[i])) return p + i;
    }
  }
  for (; p < end; ++p) {
    if (EndsLine(*p)) return p;
  }
  return end;
}

// 'ab' + 'cd' is the one string 'abcd': the closing and the opening quote
// around the join go, the pieces meet. Appends to `line` in place, so a value
// of many pieces is joined in time linear in its length.
void JoinPiece(std::string& line, std::string_view next) {
  if (!line.empty() && line.back() == kQuote && !next.empty() && next.front() == kQuote) {
    line.pop_back();
    next.remove_prefix(1);
  }
  line += next;
}

}  // namespace

void FormTextLines::Add(std::string_view bytes) {
  while (!bytes.empty() && !ended_) {
    if (skip_lf_) {
      skip_lf_ = false;
      if (bytes.front() == '\n') {
        bytes.remove_prefix(1);
        continue;
      }
    }
    const char* hit = FindLineEnd(bytes.data(), bytes.data() + bytes.size());
    const auto length = static_cast<size_t>(hit - bytes.data());
    if (length == bytes.size()) {
      partial_.append(bytes);
      return;
    }
    if (*hit == kEndOfText) {
      partial_.append(bytes.substr(0, length));
      EndOfText();
      return;
    }
    skip_lf_ = *hit == '\r';
    if (partial_.empty()) {
      OnPhysicalLine(bytes.substr(0, length));
    } else {
      partial_.append(bytes.substr(0, length));
      OnPhysicalLine(partial_);
      partial_.clear();
    }
    bytes.remove_prefix(length + 1);
  }
}

void FormTextLines::Finish() {
  if (!ended_) EndOfText();
}

// A line cut short by the end keeps its characters, if it has any.
void FormTextLines::EndOfText() {
  ended_ = true;
  // A byte order mark alone is no line.
  const bool mark_alone = physical_lines_ == 0 && partial_ == kByteOrderMark;
  if (!partial_.empty() && !mark_alone) OnPhysicalLine(partial_);
  partial_.clear();
  if (continued_) {
    // Nothing left to join: the line stays as it is.
    continued_ = false;
    receiver_.OnLine(joined_, joined_number_);
  }
}

void FormTextLines::OnPhysicalLine(std::string_view line) {
  // Some editors put a byte order mark in front of the first line; it is
  // not part of the text.
  if (++physical_lines_ == 1 && line.starts_with(kByteOrderMark)) {
    line.remove_prefix(kByteOrderMark.size());
  }
  if (continued_) {
    if (IsBlankText(line)) return;
    Join(line);
    if (IsContinued(joined_)) return;
    continued_ = false;
    receiver_.OnLine(joined_, joined_number_);
  } else if (IsContinued(line)) {
    joined_.assign(line);
    joined_number_ = physical_lines_;
    continued_ = true;
  } else {
    // A line that is not continued keeps its trailing blanks.
    receiver_.OnLine(line, physical_lines_);
  }
}

void FormTextLines::Join(std::string_view next) {
  next.remove_prefix(std::min(next.find_first_not_of(' '), next.size()));
  const size_t trimmed_size = TrimmedSize(joined_);
  const bool equals = EndsWithEquals(std::string_view(joined_).substr(0, trimmed_size));
  joined_.resize(trimmed_size);
  if (equals) {
    joined_ += ' ';
    joined_ += next;
  } else {
    joined_.pop_back();  // the "+"
    joined_.resize(TrimmedSize(joined_));
    JoinPiece(joined_, next);
  }
}

}  // namespace vornic
