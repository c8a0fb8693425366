#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildImage(TSDPR&, const LineWords&) {}
void TBuilder::BuildBitBtn(TSDPR&, const LineWords&) {}

}  // namespace vornic
