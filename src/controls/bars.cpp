#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildProgressBar(TSDPR&, const LineWords&) {}
void TBuilder::BuildStatusBar(TSDPR&, const LineWords&) {}
void TBuilder::BuildTrackBar(TSDPR&, const LineWords&) {}

}  // namespace vornic
