#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildButton(TSDPR&, const LineWords&) {}
void TBuilder::BuildCheckBox(TSDPR&, const LineWords&) {}
void TBuilder::BuildGroupBox(TSDPR&, const LineWords&) {}
void TBuilder::BuildRadioButton(TSDPR&, const LineWords&) {}

}  // namespace vornic
