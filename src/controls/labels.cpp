#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildLabel(TSDPR&, const LineWords&) {}
void TBuilder::BuildEdit(TSDPR&, const LineWords&) {}

}  // namespace vornic
