// The step that keeps every window control on a page of a page control to
// that page: hidden while another page is chosen, shown when its tab is.
#pragma once

#include "builder/generator_context.h"

namespace vornic {

struct WindowControl;

/// For a control on pages, adds to the tab change branch the line that shows
/// it while all its pages are chosen and hides it otherwise, and creates it
/// hidden, without the first focus, when one of them is not chosen at first.
/// A control the form hides itself (no WS_VISIBLE) is left as it is.
void KeepToPages(GeneratorContext context, WindowControl& control);

}  // namespace vornic
