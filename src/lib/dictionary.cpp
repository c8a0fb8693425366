#include "lib/dictionary.h"

#include "lib/errors.h"

namespace vornic {

const std::string& TIDictonary::GetItem(int index) const {
  if (index < 0 || index > HighIndex()) throw ERangeError("Variant array index out of bounds");
  return entries_[static_cast<size_t>(index)];
}

bool TIDictonary::Contains(const std::string& text) const {
  if (!indexed_) {
    index_.insert(entries_.begin(), entries_.end());
    indexed_ = true;
  }
  return index_.count(text) > 0;
}

void TIDictonary::Add(const std::string& text) {
  if (Unique && Contains(text)) return;
  entries_.push_back(text);
  if (indexed_) index_.insert(text);
}

void TIDictonary::Clear() {
  entries_.resize(1);
  index_.clear();
  indexed_ = false;
}

}  // namespace vornic
