// Parses form text and builds the binary object record in memory.
#pragma once

#include <istream>
#include <string>

namespace vornic {

/// Parses one object from the text and returns "TPF0" and its object record.
/// Throws EParserError ("... on line N") or EConvertError.
std::string ConvertFormText(std::istream& input);

}  // namespace vornic
