// The item stores of list boxes, combo boxes and memos.
#include "controls/item_stores.h"

#include "controls/geometry.h"

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

void TIListBox::Reset() {
  ControlName.clear();
  Left.clear();
  Top.clear();
  Width.clear();
  Height.clear();
  Complete = false;
  Items.Clear();
}

bool TIMemo::IsComplete() {
  Complete = HasNameAndGeometry(*this);
  return Complete;
}

void TIMemo::Reset() {
  ControlName.clear();
  Left.clear();
  Top.clear();
  Width.clear();
  Height.clear();
  Complete = false;
  Lines.Clear();
}

bool TIComboBox::IsComplete() {
  Complete = HasNameAndGeometry(*this);
  return Complete;
}

void TIComboBox::Reset() {
  ControlName.clear();
  Left.clear();
  Top.clear();
  Width.clear();
  Height.clear();
  ItemHeight.clear();
  Text.clear();
  Complete = false;
  Items.Clear();
}

}  // namespace vornic
