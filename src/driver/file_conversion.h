// Opening the input of a run and converting it into a file beside it without
// ever leaving that file half-written.
#pragma once

#include <fstream>
#include <istream>
#include <ostream>
#include <string>

namespace vornic {

/// A form file conversion from an input stream to an output stream.
using FormConversion = void (*)(std::istream& input, std::ostream& output);

/// Opens `name` for reading in binary mode; throws EInOutError
/// "Cannot open file <name>" when it cannot be opened or is a directory.
std::ifstream OpenForReading(const std::string& name);

/// Runs `convert` from `input` into a temporary file in the directory of
/// `target`, then puts that file in place of `target`. When anything fails the
/// failure propagates, `target` is left as it was and no temporary file stays
/// behind. Throws EInOutError "Cannot create file <target>" when the file
/// cannot be made, and whatever `convert` throws.
void ConvertIntoFile(std::istream& input, const std::string& target, FormConversion convert);

}  // namespace vornic
