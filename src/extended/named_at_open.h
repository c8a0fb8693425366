// NamedAtOpen: the writer of a control that is written after what it holds,
// yet takes its name at its own turn, before the names of what it holds, so
// that a name both want goes to it as it always did.
#pragma once

#include <string>

#include "extended/control.h"
#include "extended/control_writer.h"
#include "extended/form_writer.h"
#include "extended/window_creation.h"

namespace vornic {

/// Takes the variable in Open when the control will be written (its box is
/// complete); a subclass writes in Close when `name_` is set.
class NamedAtOpen : public ControlWriter {
 public:
  void Open(FormWriter& writer, Control& control) override {
    if (StoredBox(control).complete()) name_ = writer.TakeName(control);
  }

 protected:
  std::string name_;  // empty when the control is not written
};

}  // namespace vornic
