// The handler file: the user's own procedures for the form's events, which
// the program includes. vornic creates it once; afterwards it only appends
// the stubs of handlers that the form names and the file lacks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vornic {

class EventHandlers;
struct Handler;

/// A procedure the file declares.
struct DeclaredProcedure {
  std::string name;  // as the file spells it
  bool handler;      // its first parameter is Sender, as a handler's is
};

/// The procedures `text` (Object Pascal) declares, in its order; comments
/// and strings are skipped, and a forward declaration counts.
std::vector<DeclaredProcedure> DeclaredProcedures(std::string_view text);

/// What a run does to the handler file.
struct HandlerFileUpdate {
  std::string text;                 // the file's new bytes: the old ones, then the stubs
  std::vector<std::string> added;   // the handlers whose stubs were appended
  std::vector<std::string> unused;  // handlers of the file that no event calls
  bool changed = false;             // the file must be written
  bool created = false;             // there was no file
};

/// The file for `handlers` when it holds `existing` (nullptr: there is no
/// file yet, and it begins with a comment naming `program_file`).
HandlerFileUpdate UpdateHandlerFile(const std::string* existing, const EventHandlers& handlers,
                                    const std::string& program_file);

/// The stub of one handler: a comment naming its events, the procedure, and
/// a body that shows the message box a click showed without the file.
std::string HandlerStub(const Handler& handler);

}  // namespace vornic
