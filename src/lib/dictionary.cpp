#include "lib/dictionary.h"

#include <algorithm>

#include "lib/errors.h"

namespace vornic {

const std::string& TIDictonary::GetItem(int index) const {
  if (index < 0 || index > HighIndex()) throw ERangeError("Variant array index out of bounds");
  return entries_[static_cast<size_t>(index)];
}

bool TIDictonary::Contains(const std::string& text) const {
  return std::find(entries_.begin(), entries_.end(), text) != entries_.end();
}

void TIDictonary::Add(const std::string& text) {
  if (Unique && Contains(text)) return;
  entries_.push_back(text);
}

void TIDictonary::Clear() { entries_.resize(1); }

}  // namespace vornic
