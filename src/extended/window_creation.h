// The extended translation's side of the creation step: a window control
// written as the designer shows its object (hidden, disabled, tab stop,
// Enter and Escape, colours, pages, focus, font).
#pragma once

#include <string>

#include "controls/window_control.h"

namespace vornic {

class FormWriter;
struct Control;

/// Completes `window` from the designer's state of `control`, writes it
/// through the shared creation step (WriteWindowControl) with its box moved
/// into the main window's client area (unless it is docked), gives it its
/// font and counts it. Throws EConvertError when a container's position is
/// not an integer.
void WriteWindow(FormWriter& writer, const Control& control, WindowControl window);

/// The box of `control` as its object stores it, in its holder.
Box StoredBox(const Control& control);

/// Registers the common control `classes` (ICC_DATE_CLASSES ...), which
/// InitCommonControls alone need not register, once as the main window is
/// created.
void InitCommonClasses(FormWriter& writer, const std::string& classes);

}  // namespace vornic
