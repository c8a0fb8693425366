// The main window as the extended translation writes it: the client area,
// place, border and background the designer shows for the form.
#pragma once

#include "builder/generator_context.h"

namespace vornic {

struct TRForm;

/// Writes the creation of the main window from `form`: its client size
/// through AdjustWindowRectEx with the window's real styles (and its menu
/// bar, once a generator writes one), its Position on the work area, its
/// BorderStyle and BorderIcons, its WindowState and its Color. Empties the
/// values a later object of the form's class must not reuse, as the exact
/// writer does.
void WriteExtendedMainWindow(GeneratorContext context, TRForm& form);

}  // namespace vornic
