#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildShape(TSDPR&, const LineWords&) {}
void TBuilder::BuildBevel(TSDPR&, const LineWords&) {}

}  // namespace vornic
