// The reports that name a line of form text.
#include "input/line_reports.h"

namespace vornic {

std::string LineErrorReport(const std::string& text_name, int line_number,
                            const std::string& line) {
  return "[Error] " + text_name + "(" + std::to_string(line_number) + "): " + line;
}

std::string LineWarningReport(const std::string& text_name, int line_number,
                              const std::string& warning) {
  return "[Warning] " + text_name + "(" + std::to_string(line_number) + "): " + warning;
}

}  // namespace vornic
