#include "lib/dictionary.h"

#include "lib/errors.h"

namespace vornic {

std::string_view TIDictonary::GetItem(int index) const {
  if (index < 0 || index > HighIndex()) throw ERangeError("Variant array index out of bounds");
  if (index == 0) return std::string_view();
  return entries_.At(index, 0);
}

bool TIDictonary::Contains(std::string_view text) const {
  return text.empty() || entries_.Find({text}) != 0;
}

void TIDictonary::Add(std::string_view text) {
  if (Unique && Contains(text)) return;
  entries_.Add({text});
}

void TIDictonary::Clear() { entries_ = TextRows(1); }

}  // namespace vornic
