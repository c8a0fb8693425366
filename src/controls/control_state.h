// What the designer shows of a window control's state, applied to its
// description before it is written: hidden, disabled, in the tab order,
// pressed by Enter or Escape, and its colours.
#pragma once

#include "builder/generator_context.h"

namespace vornic {

struct WindowControl;

/// Completes `control` from the designer's state of its object: Visible and
/// Enabled of it and its containers, TabStop (a radio button is a tab stop
/// only when the form says so), Default and Cancel (the identifiers IDOK and
/// IDCANCEL, which the message loop's dialog handling sends for Enter and
/// Escape; BS_DEFPUSHBUTTON for a default push button) and the colours.
void ApplyDesignState(GeneratorContext context, WindowControl& control);

}  // namespace vornic
