// The handler file of a run with event handlers: read when it exists, the
// stubs it lacks appended, and written as every output is.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "extended/handler_file.h"
#include "lib/file_replacement.h"

namespace vornic {

class EventHandlers;

/// What a run does to its handler file.
struct HandlerFileRun {
  std::string name;                       // as the command line or the default gives it
  HandlerFileUpdate update;               // its text, the stubs added, the handlers left
  std::unique_ptr<FileReplacement> file;  // finished, to be committed; null when unchanged
};

/// Reads the handler file `name` (a regular file, links followed; anything
/// else is written as new), works out its new text for `handlers`, and
/// writes that into a finished FileReplacement when it changed. Throws
/// EInOutError "Cannot open file <name>: <reason>" when it cannot be read,
/// and FileReplacement's errors when it cannot be written.
HandlerFileRun PrepareHandlerFile(const std::string& name, const EventHandlers& handlers,
                                  const std::string& program_file);

/// The console's lines about the handler file: created, stubs appended,
/// handlers the form no longer names.
std::string HandlerFileReport(const HandlerFileRun& run);

}  // namespace vornic
