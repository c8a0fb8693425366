// The whole command-line run as a function, so tests drive it in-process.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vornic {

/// Runs the tool on `args` (the command-line arguments without the program
/// name), writing every console message to `console`. Returns the exit code.
/// Options stand before the file names, in any order: "--extended" chooses
/// the extended translation, "--classes FILE" (repeatable) reads a class file
/// of aliases and chooses it too. Without file names it prints the usage
/// text; "--help" and "-h" print it with the description of HelpText.
int Run(const std::vector<std::string>& args, std::ostream& console);

}  // namespace vornic
