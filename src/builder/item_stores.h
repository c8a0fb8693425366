// The item stores of list boxes, combo boxes and memos: the object's geometry
// and the entries of its multi-line list property.
#pragma once

#include <string>

#include "lib/dictionary.h"

namespace vornic {

/// The list box being read.
struct TIListBox {
  /// True when name and geometry are all set; also stored in Complete.
  bool IsComplete();
  /// Empties every text, Complete and Items.
  void Reset();

  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  bool Complete = false;
  TIDictonary Items;  // the quoted entries, duplicates kept
};

/// The memo being read.
struct TIMemo {
  bool IsComplete();
  void Reset();

  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  bool Complete = false;
  TIDictonary Lines;
};

/// The combo box being read.
struct TIComboBox {
  bool IsComplete();
  void Reset();

  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  std::string ItemHeight;
  std::string Text;
  bool Complete = false;
  TIDictonary Items;
};

}  // namespace vornic
