// The entries of a list value in one buffer.
#include "form/text_list.h"

namespace vornic {

void TextList::Add(std::string_view text) {
  text_.append(text);
  ends_.push_back(text_.size());
}

std::string_view TextList::operator[](size_t index) const {
  const size_t begin = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(text_).substr(begin, ends_[index] - begin);
}

}  // namespace vornic
