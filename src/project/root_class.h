// The class of a form file's root object, read from the first bytes of the
// file in either encoding, so that finding a class's form file does not
// read every form whole.
#pragma once

#include <istream>
#include <string>

namespace vornic {

/// The class name of the root object of the form file `input` (binary, or
/// form text under any name), as the file writes it; empty when the file is
/// neither or its root object cannot be read.
std::string RootClassOf(std::istream& input);

}  // namespace vornic
