// The description that "--help" prints after the usage lines: the shared
// description of the tool as plain text for an 80-column console.
#pragma once

#include <string>

namespace vornic {

/// Every section but the manual page's own, each under its title, wrapped to
/// 79 columns; lines end with a line feed.
std::string HelpText();

}  // namespace vornic
