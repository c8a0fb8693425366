// The reports that name a line of form text: the one error that stops a run
// and the warnings that do not. Built in one place for every reader.
#pragma once

#include <string>

namespace vornic {

/// The report of a line that failed: "[Error] <file>(<number>): <line>".
std::string LineErrorReport(const std::string& text_name, int line_number, const std::string& line);
/// The report of a warning about a line, which does not stop the run:
/// "[Warning] <file>(<number>): <warning>".
std::string LineWarningReport(const std::string& text_name, int line_number,
                              const std::string& warning);

}  // namespace vornic
