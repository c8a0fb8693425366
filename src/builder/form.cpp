#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildForm(TSDPR&, const LineWords&) {}

}  // namespace vornic
