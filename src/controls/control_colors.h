// The colours of a window control that its own window would not show: the
// font colour and background that the designer shows for a label, check box,
// radio button, group box, static text, edit or memo, set through the colour
// messages the control sends its parent.
#pragma once

#include "builder/generator_context.h"

namespace vornic {

struct WindowControl;

/// Adds to the branch of WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and
/// WM_CTLCOLORBTN what paints `control` in the colours the designer shows,
/// when they differ from the window's own; nothing for other classes.
void ColorWindowControl(GeneratorContext context, const WindowControl& control);

}  // namespace vornic
