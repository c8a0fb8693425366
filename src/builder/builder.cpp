#include "builder/builder.h"

#include <utility>

#include "output/program_text.h"

namespace vornic {

TBuilder::TBuilder(std::string output_base_name) : OutputBaseName(std::move(output_base_name)) {}

// Placeholder until the dispatch lands: lines reach no generator yet.
void TBuilder::ProcessLine(TSDPR&, const std::string&, const std::string&, const std::string&,
                           const std::string&, const std::string&, const std::string&, int, int,
                           int) {}

void TBuilder::FinishGraphics(TSDPR&) {}

void TBuilder::FinishFonts(TSDPR&) {}

void TBuilder::ClearFont() { CurrentFont = TRFont(); }

bool TBuilder::HasFont() const { return !CurrentFont.Height.empty(); }

}  // namespace vornic
