// The run-time side of the layout: the Pascal procedures that scale the
// designed geometry to the screen's resolution and place controls when a
// client area changes, written once into every extended program.
#pragma once

#include <string>

namespace vornic {

/// The form's values that the scaling needs.
struct LayoutForm {
  int pixels_per_inch = 96;  // PixelsPerInch as designed
  bool scaled = true;        // Scaled; False keeps pixels
  int client_width = -1;     // ClientWidth; -1 when the form stores none
  int client_height = -1;    // ClientHeight; -1 when the form stores none
  bool scrolls = false;      // AutoScroll = True: its content scrolls when it does not fit
};

/// The declarations and procedures of the resolution: the screen's DPI read
/// once the program declares itself aware of it, and LayoutScale.
std::string ResolutionCode(const LayoutForm& form);

/// The record type of a row, before the constant table.
std::string LayoutTypeCode();
/// The run-time state and the procedures that lay out the rows (REQUIRES:
/// at least one row), after the constant table; those that drag
/// splitters with `splitters`; those that scroll the form or scroll boxes
/// with `scrolls`.
std::string LayoutProcedureCode(bool splitters, bool scrolls);

/// The lines of the window procedure's branches: a new size lays out, a
/// splitter is dragged with the mouse.
std::string SizeBranchLines();
std::string SplitterBranchLines(const char* message);

}  // namespace vornic
