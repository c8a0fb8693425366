// The program text that event handlers rely on: the helpers they may call,
// the include of the handler file, what the message loop's dispatch uses,
// and the loop itself.
#pragma once

#include <string>
#include <vector>

namespace vornic {

/// What the handlers may call besides the Windows API, written before the
/// handler file: the mouse buttons, numbers as text, and a control's text,
/// check mark, state and items.
extern const char kHandlerHelpers[];

/// The include of the handler file `include_name` (a path from the program's
/// folder), quoted when it holds a space. REQUIRES: IncludableName.
std::string HandlerInclude(const std::string& include_name);
/// True when `include_name` can stand in the include directive: printable
/// ASCII without quote or braces.
bool IncludableName(const std::string& include_name);

/// Every identifier that a program calling event handlers declares or uses
/// besides the frame's, which no control may take: the helpers, the dispatch,
/// the handlers' parameters, and the Windows API names they call.
std::vector<std::string> EventIdentifiers();

/// What the loop's dispatch of keys, mouse and focus uses.
extern const char kDispatchHelpers[];

/// The program's end from UpdateWindow on: `start` (lines run once the window
/// is shown), then the message loop, which first hands each message to
/// InputEvent when `input` and runs FocusEvents after it when `focus`.
std::string MessageLoopText(const std::string& start, bool input, bool focus);

}  // namespace vornic
