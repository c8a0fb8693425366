// InputControls: the controls as the keyboard and the mouse meet them, kept
// while the form is written, and what the program gains from them once all
// are written: the tab order, tooltips for hints and the controls' cursors.
#pragma once

#include <string>
#include <vector>

#include "lib/box.h"

namespace vornic {

class FormWriter;
struct Control;
struct FormObject;
struct WindowControl;

/// One window or painted control of the form.
struct InputControl {
  const FormObject* object = nullptr;
  std::string window;  // its window's variable; empty for a painted control
  Box box;             // in the main window's client area
  bool tab_stop = false;
  // The main window gets its mouse messages: it is painted, or a window the
  // mouse passes through (a static without notifications, a group box).
  bool mouse_through = false;

  /// True when the box holds four integers: a rectangle the program can test.
  bool placed() const;
};

/// The controls in the order they are written. Objects are borrowed from the
/// form tree, which outlives it.
class InputControls {
 public:
  /// Adds the window `window` of `control`, its box in the main window.
  void AddWindow(const Control& control, const WindowControl& window);
  /// Adds `control`, painted on the main window.
  void AddPainted(const Control& control);

  /// Writes the tab order, tooltips and cursors the controls need.
  void Write(FormWriter& writer) const;

 private:
  std::vector<InputControl> controls_;
};

/// Orders the tab stops among the main window's children as the designer
/// does: by TabOrder within each container, containers by theirs; nothing
/// when that is the order they were created in.
void WriteTabOrder(FormWriter& writer, const std::vector<InputControl>& controls);

/// One tooltip window with a tool for each control whose Hint shows: its
/// own ShowHint, else that of the nearest container (or the form) that it
/// takes ParentShowHint from.
void WriteHints(FormWriter& writer, const std::vector<InputControl>& controls);
/// True when the hint of `object` shows as its ShowHint and ParentShowHint say.
bool ShowsHint(const FormObject& object);

/// The WM_SETCURSOR branch that gives each control, and the form, the
/// Cursor the form names.
void WriteCursors(FormWriter& writer, const std::vector<InputControl>& controls);
/// The cursor the program loads for a Cursor value ("IDC_HAND" for
/// crHandPoint), "0" for crNone, empty for crDefault and unknown values.
std::string CursorResource(const std::string& cursor);

}  // namespace vornic
