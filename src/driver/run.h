// The whole command-line run as a function, so tests drive it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vornic {

/// Runs the tool on `args` (the command-line arguments without the program
/// name), writing every console message to `console` through PrintableText.
/// Returns the exit code. The options are those of CommandOptions: a mistake
/// on the command line prints its message and the usage text and returns 1;
/// without any argument the usage text alone is printed; "--help" and "-h"
/// print it with the description of HelpText. `terminal` says that the
/// console is a terminal, where a long run over many forms draws a
/// progress bar.
int Run(const std::vector<std::string>& args, std::ostream& console, bool terminal = false);

}  // namespace vornic
