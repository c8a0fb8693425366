// The text a menu item shows for its ShortCut, which the form stores as one
// integer: a virtual key in the low byte and modifier bits above it.
#pragma once

#include <cstdint>
#include <string>

namespace vornic {

/// The shortcut as the designer shows it after the caption, such as
/// "Ctrl+S" for 16467 or "Shift+Ctrl+F5"; empty for 0, for a key without a
/// name, and for a value outside the 16 bits a shortcut takes.
std::string ShortCutText(int64_t value);

}  // namespace vornic
