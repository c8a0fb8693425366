// LayoutTable: what the program's layout needs of each control, gathered
// while the form is written: its container, its box as designed in that
// container, Align, Anchors, margins, the client area it gives what it
// holds, and the window or painting that shows it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

#include "form/form_object.h"

namespace vornic {

struct Control;

/// Left, top, right and bottom distances (margins, insets, padding).
struct Edges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

/// Align as the program numbers it.
enum class LayoutAlign { kNone, kTop, kBottom, kLeft, kRight, kClient, kCustom };

/// Anchors as bits.
inline constexpr int kAnchorLeft = 1;
inline constexpr int kAnchorTop = 2;
inline constexpr int kAnchorRight = 4;
inline constexpr int kAnchorBottom = 8;

/// The client size a container stores as DesignSize, the size the designer
/// anchored what it holds in; none when it stores none.
std::optional<std::pair<int, int>> DesignSizeOf(const FormObject& object);

/// One control or container the layout places.
struct LayoutRow {
  const FormObject* object = nullptr;
  int parent = -1;  // the row of its container; -1 for the main window's client area
  int left = 0;     // as designed, in its container's client area
  int top = 0;
  int width = 0;
  int height = 0;
  LayoutAlign align = LayoutAlign::kNone;
  int anchors = kAnchorLeft | kAnchorTop;
  Edges margins;  // around it when it is aligned with margins
  Edges client;   // its client area's distances from its edges
  Edges padding;  // inside the client area: where what it holds aligns
  int splits = -1;     // a splitter: the row it resizes
  int min_size = 0;    // a splitter: the least size it leaves
  bool pages = false;  // a tab window whose pages the main window paints
  // A container whose box the form does not hold (its ancestor's is not
  // known): it passes its container's changes on to what it holds.
  bool through = false;
  bool scrolls = false;  // a scroll box whose content scrolls when it does not fit
  std::string shows;     // a scroll box: when it shows (its pages' condition); empty: always
  std::string window;  // the window's variable; empty for what is painted
  std::string shift;   // a sheet: the TPoint its page moves by for more rows of tabs
};

/// The rows in the order of the form; a container's row comes before the
/// rows of what it holds.
class LayoutTable {
 public:
  /// Gives `control` a row when it lies on the form or in a container that
  /// has one, and it stores its whole box (a tab sheet fills its page
  /// control until SetSheet says where its page is).
  void Enter(const Control& control);
  /// The row that places `object`; -1 when it has none (or only passes
  /// changes on to what it holds).
  int RowOf(const FormObject& object) const;

  /// The window that shows the row of `object` (a tab window with pages
  /// that the main window paints when `pages`).
  void SetWindow(const FormObject& object, const std::string& variable, bool pages = false);
  /// Its client area lies `insets` inside its edges (a border).
  void SetClient(const FormObject& object, const Edges& insets);
  /// The scroll box of `object` shows only while `condition` holds (its
  /// scroll bars too).
  void SetShows(const FormObject& object, const std::string& condition);
  /// A sheet's page lies `insets` inside its page control's box.
  /// `shift`, when given, names the point the page moves by at run time
  /// when its tabs stand in more rows than the designer's one.
  void SetSheet(const FormObject& object, const Edges& insets, const std::string& shift = "");

  /// Finds the rows the splitters resize: the control aligned the same way
  /// whose edge touches the splitter, else the one aligned just before it.
  void FindSplitTargets();
  /// The rows in the order the layout places them: containers before what
  /// they hold, and in each container the aligned controls in the
  /// designer's order (top, bottom, left, right, client), then the others.
  std::vector<int> PlacingOrder() const;
  bool HasSplitters() const;
  bool HasScrollBoxes() const;

  const std::vector<LayoutRow>& rows() const { return rows_; }

 private:
  LayoutRow* Find(const FormObject& object);
  // Any row of `object`, one that passes changes on too; -1 when none.
  int AnyRowOf(const FormObject& object) const;
  // The width and height of the client area of the container of `control`
  // (`parent` its row, -1 for the form) as designed.
  std::pair<int, int> HolderSize(const Control& control, int parent) const;

  std::vector<LayoutRow> rows_;
  std::unordered_map<const FormObject*, int> row_of_;
};

}  // namespace vornic
