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
/// The line naming a class that nothing translates, of which `count`
/// controls are shown as placeholders:
/// "[Placeholder] <class>: <count> controls of a class not translated are
/// shown as framed boxes" (for one: "control ... is ... as a framed box").
std::string UnmappedClassReport(const std::string& class_name, int count);
/// The message when standard output cannot be written.
extern const char kConsoleWriteError[];

/// The refusal of a program name that is a form file's: "<name>: the program
/// would replace a form file".
std::string FormFileAsOutput(const std::string& name);

}  // namespace vornic
