// OpenObjects: the objects whose end line has not come yet, innermost last,
// each with the font the designer shows for it and its generator object.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "lib/font_base.h"

namespace vornic {

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

/// What the designer shows of an object besides its font, tracked the same
/// way for every open object, whatever its class and whether or not it has a
/// generator, so that any generator (or the steps that complete a window)
/// reads it at the object's end line, or, for a container written before
/// what it holds, at its first child's object line. Two kinds of value:
/// - passed on: an object starts with what its holder passes on, and its own
///   lines change it. Visible and Enabled pass on as "and" (a control shows
///   only when it and every container are visible; a disabled container
///   disables what it holds); Color passes on as the designer's ParentColor
///   does. The outermost object, the form, passes on neither Visible nor
///   Enabled: they belong to its window, not to its controls.
/// - own: values of the object alone (its class, TabStop, Default, Cancel),
///   empty when the form stores none.
/// - its place among the pages of page controls, passed on like Visible and
///   set by the sheets' generator (GeneratorContext::SetPage): a control on
///   a page that is not chosen at first is hidden until its tab is chosen,
///   unlike one the form hides, which no tab shows.
/// Adding a value is a field here and a line in OpenObjects::StoreProperty.
struct DesignState {
  bool visible = true;  // Visible of the object and of all its containers
  bool enabled = true;  // Enabled of the object and of all its containers
  PagePlace page;       // where it lies among pages; off pages when empty
  // The colour the holder passes on; `color` is the object's own Color line
  // and `parent_color` its own ParentColor line. DesignColor() resolves them.
  std::string inherited_color;
  std::string color;
  std::string parent_color;
  std::string class_name;  // as the object line writes it
  std::string tab_stop;
  std::string default_button;   // Default
  std::string cancel;           // Cancel
  std::string integral_height;  // IntegralHeight of a list box
  std::string object_name;      // as the object line writes it, without the colon
  std::string tab_order;        // TabOrder
  std::string active_control;   // ActiveControl (read of the form)
};

/// Where a control comes in the order in which the designer gives the first
/// focus: false for the form's ActiveControl, then its TabOrder and its
/// containers' (OpenObjects::FocusRankAt); smaller comes first.
using FocusRank = std::pair<bool, std::vector<int>>;

/// True when the object's window shows as the window opens: it is visible
/// and every page that holds it is chosen.
inline bool ShownAtStart(const DesignState& state) {
  return state.visible && !state.page.inactive;
}

/// The background the designer paints for an object: its own Color, else
/// the colour its class keeps unless ParentColor is True (edits and lists
/// clWindow, panels clBtnFace), else its holder's.
std::string DesignColor(const DesignState& state);

/// What an object outside any other, the form, takes over: visible,
/// enabled, clBtnFace; also the state read where no object is open.
const DesignState& DefaultDesignState();

struct OpenObject {
  int level = 0;
  DesignFont font;
  std::unique_ptr<ControlGenerator> generator;  // nullptr when a member of TBuilder serves
  DesignState state;
};

/// Levels rise strictly from the oldest entry to the newest: an object line
/// closes what its level says has ended, even without end lines. Unlike
/// TILevel, which keeps the exact translation's positions as they always were,
/// this stack follows the nesting of a broken form the way the designer would.
class OpenObjects {
 public:
  /// Opens an object at `level` inside the innermost open object of a lower
  /// level, whose font it takes over; objects open at `level` or deeper lost
  /// their end lines and are dropped.
  OpenObject& Open(int level);
  /// Drops the object open at `level` and whatever is still open inside it.
  void Close(int level);
  /// The object open at `level`, nullptr when none is.
  OpenObject* Find(int level);
  /// The object that holds the innermost one, nullptr for none.
  OpenObject* Holder();
  /// The generator object of the innermost object open below `level`: the
  /// holder of an object at `level`. nullptr when none is open, or when a
  /// member of TBuilder serves it.
  ControlGenerator* GeneratorBelow(int level) const;
  /// True when an open object owns `generator`.
  bool Holds(const ControlGenerator* generator) const;
  /// Applies a Font.* or ParentFont line to the innermost object when it is
  /// one of that object's own properties (not one of a collection item).
  void StoreFontProperty(const LineWords& line);
  /// Applies a line of a value DesignState tracks to the innermost object,
  /// under the same condition.
  void StoreProperty(const LineWords& line);
  /// The font of the innermost object open at `level` or above it: an end
  /// line inside a collection value stands deeper than its object. The
  /// default font when none is open.
  const DesignFont& FontAt(int level) const;
  /// The designer's state of the innermost object open at `level` or above
  /// it, as FontAt; the form's when none is open.
  const DesignState& StateAt(int level) const;
  /// Where the object open at `level` comes in the order in which the
  /// designer gives the first focus: the form's ActiveControl first, then by
  /// the TabOrder of each open object from the form's children down to it,
  /// outermost first; an object without one comes after its siblings.
  FocusRank FocusRankAt(int level) const;

 private:
  std::vector<OpenObject> objects_;
};

}  // namespace vornic
