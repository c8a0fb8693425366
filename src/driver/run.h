// The whole command-line run as a function, so tests drive it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vornic {

/// Runs the tool on `args` (the command-line arguments without the program
/// name), writing every console message to `console`. Returns the exit code.
/// A first argument "--extended" chooses the extended translation.
int Run(const std::vector<std::string>& args, std::ostream& console);

}  // namespace vornic
