#include "builder/builder.h"

#include "output/program_text.h"

namespace vornic {

// Placeholders until the generators land.
void TBuilder::BuildListBox(TSDPR&, const LineWords&) {}
void TBuilder::BuildComboBox(TSDPR&, const LineWords&) {}
void TBuilder::BuildMemo(TSDPR&, const LineWords&) {}

}  // namespace vornic
