// The file name rules of a run: extensions, the default output name and the
// base name that the generated program and its resource script are named after.
#pragma once

#include <string>
#include <vector>

namespace vornic {

/// The part of `name` from its last full stop on, when no path delimiter
/// ("\", "/" or ":") follows that full stop; otherwise empty.
std::string ExtractExtension(const std::string& name);
/// `name` with its extension replaced by `extension`, or with `extension`
/// appended when it has none.
std::string ChangeExtension(const std::string& name, const std::string& extension);
/// The output name of a run: the second argument as given, or else the input
/// name with the extension ".dpr". REQUIRES: `args` is not empty.
std::string OutputNameFor(const std::vector<std::string>& args);
/// The directory part of `output_name` as given, followed by its file part
/// up to the first full stop: "build/v1.2/out.dpr" gives "build/v1.2/out".
std::string OutputBaseNameFor(const std::string& output_name);
/// The file part of `output_name` up to its first full stop, without any
/// directory, made an ASCII identifier (AsciiIdentifier), or "noname" when
/// that is empty: the name that follows "Program ", before the run's names
/// registry keeps it clear of the program's own identifiers.
std::string ProgramNameFor(const std::string& output_name);

/// The handler file of a run: `given` when not empty, else the output's base
/// name (OutputBaseNameFor) with ".events.inc".
std::string HandlerFileFor(const std::string& given, const std::string& output_name);
/// How the program `output_name` includes the handler file `handler_file`:
/// its path from the program's folder, with "/" between folders. Throws
/// EInOutError "Cannot create file <handler_file>: ..." for a name that the
/// include directive cannot hold.
std::string IncludeNameFor(const std::string& handler_file, const std::string& output_name);

}  // namespace vornic
