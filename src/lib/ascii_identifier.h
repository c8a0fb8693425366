// Names of the form made identifiers that a Pascal compiler accepts: it takes
// only ASCII letters, digits and "_" in an identifier.
#pragma once

#include <string>

namespace vornic {

/// `name` as an ASCII identifier: a Latin letter with a diacritic becomes its
/// base letter ("ö" gives "o", "ß" gives "ss"), any other character that
/// cannot stand in an identifier becomes "_", and a leading digit gets a "_"
/// in front. `name` is read as UTF-8 when it is valid UTF-8, else as
/// Windows-1252. The empty name stays empty.
std::string AsciiIdentifier(const std::string& name);

}  // namespace vornic
