// Physical line splitting over a refilled buffer, and the joining of
// continued values into logical lines.
#include "input/form_text_reader.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {
namespace {

constexpr size_t kBufferSize = 64 * 1024;
constexpr char kEndOfText = 26;
constexpr char kQuote = '\'';

// The length of `text` without its trailing blanks. A continued value grows at
// its end only, so this looks at the newest piece alone.
size_t TrimmedSize(const std::string& text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string::npos ? 0 : last + 1;
}

bool EndsWithEquals(std::string_view trimmed) { return !trimmed.empty() && trimmed.back() == '='; }

bool EndsWithPlus(std::string_view trimmed) {
  return trimmed.size() >= 2 && trimmed.back() == '+' && trimmed[trimmed.size() - 2] == ' ';
}

// 'ab' + 'cd' is the one string 'abcd': the closing and the opening quote
// around the join go, the pieces meet. Appends to `line` in place, so a value
// of many pieces is joined in time linear in its length.
void JoinPiece(std::string& line, const std::string& next, size_t next_start) {
  if (!line.empty() && line.back() == kQuote && next_start < next.size() &&
      next[next_start] == kQuote) {
    line.pop_back();
    ++next_start;
  }
  line.append(next, next_start);
}

}  // namespace

FormTextReader::FormTextReader(std::istream& input) : input_(input), buffer_(kBufferSize) {}

bool FormTextReader::ReadLine(std::string& line, int& line_number) {
  if (!ReadPhysicalLine(line)) return false;
  line_number = physical_lines_;
  std::string next;
  for (;;) {
    // A line that is not continued keeps its trailing blanks.
    const size_t trimmed_size = TrimmedSize(line);
    const std::string_view trimmed(line.data(), trimmed_size);
    const bool equals = EndsWithEquals(trimmed);
    if (!equals && !EndsWithPlus(trimmed)) return true;
    if (!ReadNextNonBlankLine(next)) return true;
    const size_t next_start = std::min(next.find_first_not_of(' '), next.size());
    line.resize(trimmed_size);
    if (equals) {
      line += ' ';
      line.append(next, next_start);
    } else {
      line.pop_back();  // the "+"
      line.resize(TrimmedSize(line));
      JoinPiece(line, next, next_start);
    }
  }
}

bool FormTextReader::ReadNextNonBlankLine(std::string& line) {
  while (ReadPhysicalLine(line)) {
    if (!IsBlankText(line)) return true;
  }
  return false;
}

bool FormTextReader::ReadPhysicalLine(std::string& line) {
  if (!started_) SkipByteOrderMark();
  line.clear();
  bool any = false;  // a line end or a character has been seen
  for (;;) {
    if (pos_ == end_ && !FillBuffer()) break;
    if (skip_lf_) {
      skip_lf_ = false;
      if (buffer_[pos_] == '\n') {
        ++pos_;
        continue;
      }
    }
    const char* start = buffer_.data() + pos_;
    const char* stop = buffer_.data() + end_;
    const char* hit =
        std::find_if(start, stop, [](char c) { return c == '\r' || c == '\n' || c == kEndOfText; });
    line.append(start, hit);
    any = any || hit != start;
    pos_ = hit - buffer_.data();
    if (hit == stop) continue;
    if (*hit == kEndOfText) {
      at_end_ = true;
      pos_ = end_;
      break;
    }
    skip_lf_ = *hit == '\r';
    ++pos_;
    ++physical_lines_;
    return true;
  }
  if (!any) return false;
  ++physical_lines_;
  return true;
}

bool FormTextReader::FillBuffer() {
  if (at_end_) return false;
  input_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  if (input_.bad()) throw EInputError(kStreamInputError);
  pos_ = 0;
  end_ = static_cast<size_t>(input_.gcount());
  if (end_ == 0) at_end_ = true;
  return end_ > 0;
}

// Some editors put a byte order mark in front of the first line; it is not
// part of the text.
void FormTextReader::SkipByteOrderMark() {
  started_ = true;
  static const char kMark[] = "\xEF\xBB\xBF";
  // A read comes short only at the end of the input, so the first fill
  // holds the whole mark whenever the text has one.
  if (!FillBuffer()) return;
  if (end_ >= 3 && std::equal(kMark, kMark + 3, buffer_.data())) pos_ = 3;
}

}  // namespace vornic
