// Every text the driver writes to the console, and the messages of the file
// failures it raises, built in one place.
#pragma once

#include <string>

namespace vornic {

/// The four lines written when the tool is run without arguments.
extern const char kUsageText[];
/// The two lines written for an input that is neither ".dfm" nor ".txt".
extern const char kUnknownInputText[];
extern const char kWaitLine[];
extern const char kResourcesLine[];

/// The summary line: "<count> controls is constructed ok.".
std::string ControlCountLine(int control_count);
/// The report of a line that failed: "[Error] <file>(<number>): <line>".
std::string LineErrorReport(const std::string& text_name, int line_number, const std::string& line);
/// "Cannot open file <name>".
std::string CannotOpenFile(const std::string& name);
/// "Cannot create file <name>".
std::string CannotCreateFile(const std::string& name);
/// "Cannot write file <name>".
std::string CannotWriteFile(const std::string& name);

}  // namespace vornic
