// The step that keeps every window control on a page of a page control to
// that page: hidden while another page is chosen, shown when its tab is.
#pragma once

#include "builder/generator_context.h"

namespace vornic {

struct WindowControl;

/// For a control on pages, adds to the tab change branch the line that shows
/// it while all its pages are chosen and hides it otherwise. Whether it shows
/// when the window opens is the design state's (ShownAtStart); a control the
/// form hides gets no line, as no tab shows it.
void KeepToPages(GeneratorContext context, const WindowControl& control);

}  // namespace vornic
