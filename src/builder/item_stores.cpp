// The item stores of list boxes, combo boxes and memos.
#include "builder/item_stores.h"

#include "builder/geometry.h"

namespace vornic {

namespace {

template <typename Store>
bool HasNameAndGeometry(const Store& store) {
  return !store.ControlName.empty() && HasGeometry(store);
}

}  // namespace

bool TIListBox::IsComplete() {
  Complete = HasNameAndGeometry(*this);
  return Complete;
}

void TIListBox::Reset() { *this = TIListBox(); }

bool TIMemo::IsComplete() {
  Complete = HasNameAndGeometry(*this);
  return Complete;
}

void TIMemo::Reset() { *this = TIMemo(); }

bool TIComboBox::IsComplete() {
  Complete = HasNameAndGeometry(*this);
  return Complete;
}

void TIComboBox::Reset() { *this = TIComboBox(); }

}  // namespace vornic
