// Console texts of a run. Every line ends with a line feed, the console
// convention of this platform; the files the tool writes use CR LF instead.
#include "driver/console_messages.h"

#include <string>

namespace vornic {

const char kUsageText[] =
    "\n"
    "Vornic  Version 1.0\n"
    "Syntax: VORNIC <DFMfilename> [DPRfilename]\n"
    "\n";

const char kVersionLine[] = "Vornic  Version 1.0\n";

const char kUnknownInputText[] =
    "Unknown input file\n"
    "The input file should have the extension: .dfm or .txt\n";

const char kWaitLine[] = "Wait...\n";

const char kResourcesLine[] = "There is a file of resources.\n";

const char kConsoleWriteError[] = "Cannot write standard output";

std::string ControlCountLine(int control_count) {
  return std::to_string(control_count) + " controls is constructed ok.\n";
}

std::string UnmappedClassReport(const std::string& class_name, int count) {
  const bool one = count == 1;
  return "[Placeholder] " + class_name + ": " + std::to_string(count) +
         (one ? " control of a class not translated is shown as a framed box"
              : " controls of a class not translated are shown as framed boxes");
}

std::string FormFileAsOutput(const std::string& name) {
  return name + ": the program would replace a form file";
}

}  // namespace vornic
