// The manual page, vornic(1), made of the same description as "--help".
#pragma once

#include <string>

namespace vornic {

/// The whole page in roff with the man macros: every section of the shared
/// description, terms as tagged paragraphs, bold and italic spans in the
/// font escapes. docs/vornic.1 holds what this returns.
std::string ManualPage();

}  // namespace vornic
