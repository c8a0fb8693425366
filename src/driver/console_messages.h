// Every text the driver writes to the console, and the messages of the
// failures it raises itself, built in one place.
#pragma once

#include <string>

#include "input/line_reports.h"

namespace vornic {

/// The four lines written when the tool is run without arguments.
extern const char kUsageText[];
/// The usage text's version line, alone.
extern const char kVersionLine[];
/// The two lines written for an input that is neither ".dfm" nor ".txt".
extern const char kUnknownInputText[];
extern const char kWaitLine[];
extern const char kResourcesLine[];

/// The summary line: "<count> controls is constructed ok.".
std::string ControlCountLine(int control_count);
/// The message when standard output cannot be written.
extern const char kConsoleWriteError[];

/// The refusal of a program name that is a form file's: "<name>: the program
/// would replace a form file".
std::string FormFileAsOutput(const std::string& name);

}  // namespace vornic
