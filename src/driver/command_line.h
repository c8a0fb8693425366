// The command line of a run: the options, read through one table, and the
// names of the files.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace vornic {

/// What the arguments ask for.
struct CommandLine {
  bool help = false;     // "--help" or "-h"
  bool version = false;  // "--version"
  bool extended = false;
  std::vector<std::string> class_files;     // as given; any of them implies extended
  int code_page = 0;  // of the raw bytes in texts (--codepage, implies extended); 0: by the form
  std::string events_file;                  // the handler file; empty: beside the program
  bool no_events = false;                   // no handler file: a click shows a message box
  std::vector<std::string> search_folders;  // "--search", in order; any of them implies extended
  std::string merged_file;                  // "--merged": implies extended; empty for none
  bool all = false;                         // "--all": every file names a form or a folder
  std::string out_folder;                   // "--out", with --all only; empty: beside each form
  std::vector<std::string> files;  // the form file, the program and what follows; with --all the forms
  std::string mistake;  // why the arguments cannot run, as the console says it; empty when they can
};

/// One option: a row of the table that ReadCommandLine goes by.
struct CommandOption {
  const char* name;   // as typed, matched exactly
  const char* value;  // what the next argument must be ("the name of a class file"); null for none
  void (*apply)(CommandLine& line, const std::string& value);
};

/// Every option, in the order --help describes them.
std::span<const CommandOption> CommandOptions();

/// Reads `args` (without the program name). Options and file names may come
/// in any order; an option takes its value from the next argument, whatever
/// it is; after "--" every argument is a file name. Sets `mistake` for an
/// argument that begins with "-" and is no option ("unknown option <arg>"),
/// an option without its value ("<option> needs <value>"), and arguments
/// that name no form file, unless they ask for the help or the version;
/// also "--merged" with "--all" and "--out" without it.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

}  // namespace vornic
