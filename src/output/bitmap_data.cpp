// The joined data lines and the cuts the script makes at their two ends.
#include "output/bitmap_data.h"

#include <algorithm>

namespace vornic {

void BitmapData::Add(std::string_view line) {
  last_start_ = text_.size();
  text_ += line;
  if (++line_count_ == 1) first_end_ = text_.size();
}

std::string_view BitmapData::FirstLine() const {
  return std::string_view(text_).substr(0, first_end_);
}

std::string_view BitmapData::LastLine() const {
  return std::string_view(text_).substr(last_start_);
}

void BitmapData::Clear() {
  text_.clear();
  first_end_ = last_start_ = 0;
  line_count_ = 0;
}

std::string_view BitmapData::Joined(int skip, std::string& scratch) const {
  const std::string_view text = text_;
  std::string_view first = text.substr(0, first_end_);
  // The first characters hold the graphic's class name and length, not the
  // bitmap file; what a NUL cuts off is no data either.
  size_t start = skip < 0 ? first.size() : std::min(first.size(), static_cast<size_t>(skip));
  first = first.substr(start);
  const size_t nul = first.find('\0');
  const std::string_view last = text.substr(std::max(last_start_, start));
  const size_t brace = last.find('}');
  // Data as a form writes it has no NUL and its one brace at the very end:
  // then it is a plain slice of the lines.
  const bool brace_at_end = brace != std::string_view::npos && brace == last.size() - 1;
  if (nul == std::string_view::npos && (brace == std::string_view::npos || brace_at_end)) {
    return text.substr(start, text.size() - start - (brace_at_end ? 1 : 0));
  }
  if (nul != std::string_view::npos) {
    // The rest of the first line goes; the lines behind it stay.
    scratch.assign(first.substr(0, nul));
    if (line_count_ > 1) scratch.append(text.substr(first_end_));
  } else {
    scratch.assign(text.substr(start));
  }
  // Every brace of the last line goes, wherever it stands.
  const size_t last_in_scratch = line_count_ > 1 ? scratch.size() - (text.size() - last_start_) : 0;
  scratch.erase(std::remove(scratch.begin() + static_cast<std::ptrdiff_t>(last_in_scratch),
                            scratch.end(), '}'),
                scratch.end());
  return scratch;
}

}  // namespace vornic
