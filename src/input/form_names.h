// What form text can carry as a name: the binary reader writes names into
// the text as they stand, so it takes only those the text reads back alike.
#pragma once

#include <string_view>

namespace vornic {

/// True for identifiers (a letter, "_" or a byte of 128 and up, then those or
/// digits), joined by single dots when `dotted`.
bool IsNameText(std::string_view text, bool dotted);

/// True when the part before the first dot is end, object, inherited or
/// inline in any case: as a property name it would read back as the start or
/// the end of an object.
bool StartsWithKeyword(std::string_view name);

/// The text of an identifier value: True, False and nil in any case are read
/// back as those values, so they are written in their own spelling.
std::string_view IdentifierText(std::string_view ident);

}  // namespace vornic
