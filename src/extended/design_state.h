// What the designer shows of an object besides where it stands: its font,
// its visibility and colour, and where it lies among pages; each object
// takes over what its holder passes on and changes it with its own values.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "lib/font_base.h"

namespace vornic {

struct FormObject;

/// The font the designer shows for an object: its own Font values over those
/// of the object that holds it, up to the form.
struct DesignFont {
  TRFont face;        // what CreateFont is given, as form text writes it
  std::string color;  // Font.Color
};

/// The designer's font of a form that stores none.
const DesignFont& DefaultDesignFont();

/// Where an object lies among the pages of page controls.
struct PagePlace {
  // The program's condition for all its pages to be chosen; empty off pages.
  std::string shown_when;
  bool inactive = false;  // one of its pages is not chosen when the window opens
};

/// Two kinds of value:
/// - passed on: an object starts with what its holder passes on, and its own
///   values change it. Visible and Enabled pass on as "and" (a control shows
///   only when it and every container are visible; a disabled container
///   disables what it holds); Color passes on as the designer's ParentColor
///   does; the page place passes on as Visible does and is set by the sheet
///   that is the page. The outermost object, the form, passes on neither
///   Visible nor Enabled: they belong to its window, not to its controls.
/// - own: values of the object alone, empty when the form stores none.
struct DesignState {
  bool visible = true;  // Visible of the object and of all its containers
  bool enabled = true;  // Enabled of the object and of all its containers
  PagePlace page;       // where it lies among pages; off pages when empty
  // The colour the holder passes on; `color` is the object's own Color and
  // `parent_color` its own ParentColor. DesignColor() resolves them.
  std::string inherited_color;
  std::string color;
  std::string parent_color;
  std::string class_name;  // as the object line writes it
  std::string object_name;
  std::string tab_stop;
  std::string default_button;   // Default
  std::string cancel;           // Cancel
  std::string integral_height;  // IntegralHeight of a list box
  std::string tab_order;        // TabOrder
  std::string active_control;   // ActiveControl (read of the form)
};

/// True when the object's window shows as the window opens: it is visible
/// and every page that holds it is chosen.
inline bool ShownAtStart(const DesignState& state) { return state.visible && !state.page.inactive; }

/// The background the designer paints for an object: its own Color, else
/// the colour its class keeps unless ParentColor is True (edits and lists
/// clWindow, panels clBtnFace), else its holder's.
std::string DesignColor(const DesignState& state);

/// The font of `object` held by an object of font `holder` (nullptr for the
/// form): its own Font values applied in the form's order; ParentFont = True
/// gives it the holder's again.
DesignFont FontOf(const FormObject& object, const DesignFont* holder);

/// The state of `object` held by an object of state `holder` (nullptr for
/// the form); `holder_is_form` when that holder is the form itself.
DesignState StateOf(const FormObject& object, const DesignState* holder, bool holder_is_form);

/// Where a control comes in the order in which the designer gives the first
/// focus: false for the form's ActiveControl, then its TabOrder and its
/// containers', outermost first; smaller comes first.
using FocusRank = std::pair<bool, std::vector<int>>;

/// The rank of `object` on the form `root`.
FocusRank FocusRankOf(const FormObject& object, const FormObject& root);

}  // namespace vornic
