// EventHandlers: the handlers the program calls, each once, with the events
// that call it, as the handler file declares them.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "extended/event_table.h"

namespace vornic {

/// One event that calls a handler: "Button1.OnClick", or an action's
/// "actSave.OnExecute" with the controls bound to it.
struct HandlerUse {
  std::string source;
  std::vector<std::string> through;
};

/// A procedure of the handler file.
struct Handler {
  std::string name;  // the procedure's identifier, as the program calls it
  Parameters parameters = Parameters::kSender;
  std::vector<HandlerUse> uses;  // in the order they were met
  bool clicks = false;           // a click runs it: its stub shows a message box
};

/// The handlers in the order the program first calls them. Identifiers are
/// compared without regard to case, as the compiler compares them.
class EventHandlers {
 public:
  /// Notes that `source` (through `through`, when not empty) calls the
  /// handler `name` with `parameters`; returns it, or nullptr when another
  /// event calls it with other parameters, for one procedure cannot take both.
  const Handler* Use(const std::string& name, Parameters parameters, const std::string& source,
                     const std::string& through, bool clicks);
  const std::vector<Handler>& all() const { return handlers_; }
  bool empty() const { return handlers_.empty(); }

 private:
  std::vector<Handler> handlers_;
  std::unordered_map<std::string, size_t> index_;  // by name in capitals
};

}  // namespace vornic
