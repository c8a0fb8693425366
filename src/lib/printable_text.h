// Text made safe for a terminal: what a form or a file name holds is shown,
// never obeyed, so a caption cannot retitle the window or clear the screen.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// `text` with every control character but tab and line feed, and every byte
/// that is not part of well-formed UTF-8, written as "\x" and two lower-case
/// hexadecimal digits (ESC as "\x1b"). The C1 controls U+0080 to U+009F count
/// as control characters, byte by byte; other UTF-8 stays as it is.
std::string PrintableText(std::string_view text);

}  // namespace vornic
