// OpenObjects: the objects whose end line has not come yet, innermost last,
// each with the font the designer shows for it and its generator object.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "builder/control_generator.h"
#include "builder/line_words.h"
#include "extended/design_state.h"
#include "lib/font_base.h"

namespace vornic {

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
