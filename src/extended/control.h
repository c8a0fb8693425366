// Control: one object of the form while the extended translation writes it,
// with what the designer shows of it and the writer of its class.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "extended/actions.h"
#include "extended/design_state.h"
#include "form/form_object.h"
#include "lib/box.h"

namespace vornic {

class ControlWriter;

/// Lives from the object's turn until everything inside it is written, so a
/// control may look at its holder (and the holder's writer) while it is
/// written. Borrows the object from the tree.
struct Control {
  const FormObject& object;
  Control* holder = nullptr;  // the control that holds it; nullptr for the form
  DesignFont font;
  DesignState state;
  // Where what it holds is placed from, relative to its own holder's: its
  // Left and Top, or its client area's origin once a writer says so. The
  // form and objects of the form's own class place nothing.
  std::string origin_left;
  std::string origin_top;
  bool places_children = true;
  std::unique_ptr<ControlWriter> writer;  // nullptr when its class writes nothing

  /// The object's value of `name` as form text writes it, or its action's
  /// (LinkedValue); empty when neither stores it.
  const std::string& Value(std::string_view name) const { return LinkedValue(object, name); }
  /// True when the object, or its action, stores `name`.
  bool Has(std::string_view name) const { return HasLinkedValue(object, name); }
  /// The name of the object as the form gives it.
  const std::string& name() const { return object.name; }
  /// 1 for the form, 2 for what it holds, ...
  int depth() const { return object.depth(); }

  /// Left, Top, Width and Height of the object in the main window's client
  /// area: a control on the form keeps the form's texts, one inside
  /// containers gets the sums. Throws EConvertError when a position to be
  /// added is not an integer.
  Box FormBox() const;
  /// Moves `left` and `top`, given in the object's holder, into the main
  /// window's client area (nothing moves for a control on the form). Throws
  /// as FormBox does.
  void PlaceInForm(std::string& left, std::string& top) const;
  /// Places what the control holds from `left`,`top` in its holder instead
  /// of its own Left and Top (a client area inside a border, a page).
  void SetContentOrigin(int32_t left, int32_t top);
};

}  // namespace vornic
