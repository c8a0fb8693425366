// Opening the input of a run and converting it into the file beside it, with
// every failure naming the file it is about.
#pragma once

#include <fstream>
#include <istream>
#include <ostream>
#include <string>

namespace vornic {

class FileReplacement;

/// A form file conversion from an input stream to an output stream.
using FormConversion = void (*)(std::istream& input, std::ostream& output);

/// Opens `path` for reading in binary mode; throws EInOutError "Cannot open
/// file <name>: <reason>" when it cannot be opened or is a directory. `name` is the
/// name that messages give the file, `path` itself when empty.
std::ifstream OpenForReading(const std::string& path, const std::string& name = "");

/// Runs `convert` from `input`, the file `input_name`, into `output` and
/// finishes `output`; putting it in place is left to the caller. `through`,
/// when given, is the stream the conversion writes into instead: it must
/// pass every byte on to output.stream(). Throws EInOutError "Cannot read
/// file <input_name>: <reason>" or "Cannot write file <output>: <reason>",
/// and Error "<input_name>: <message>" when the conversion rejects the input.
void ConvertFile(std::istream& input, const std::string& input_name, FileReplacement& output,
                 FormConversion convert, std::ostream* through = nullptr);

/// A form file check: parses the input as a conversion would, writing nothing.
using FormCheck = void (*)(std::istream& input);

/// Runs `check` on `input`, the file `input_name`, with the failures named as
/// ConvertFile names them.
void CheckFile(std::istream& input, const std::string& input_name, FormCheck check);

}  // namespace vornic
