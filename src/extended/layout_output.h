// The layout written into the program: the constant table of the rows, the
// procedures that place them, and where the program calls them.
#pragma once

#include <string>

namespace vornic {

class FormWriter;
class LayoutTable;
struct LayoutForm;

/// The constant table of `table`'s rows and their placing order, as the
/// program declares them (and whether `form` scrolls, where anything does).
/// REQUIRES: at least one row.
std::string LayoutDesignText(const LayoutTable& table, const LayoutForm& form);

/// Writes the resolution's procedures and, when the form has rows, the
/// layout: its table and procedures, the first layout once every window is
/// created, and the branches that lay out again (a new size, a new
/// resolution, a splitter dragged).
void WriteLayout(FormWriter& writer, LayoutTable& table);

}  // namespace vornic
