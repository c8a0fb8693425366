// Adding an option is adding a row to kOptions, a field to CommandLine for
// what it sets, and its description to the help document.
#include "driver/command_line.h"

#include <span>
#include <string>
#include <vector>

namespace vornic {
namespace {

const CommandOption kOptions[] = {
    {"--extended", nullptr, [](CommandLine& line, const std::string&) { line.extended = true; }},
    {"--classes", "the name of a class file",
     [](CommandLine& line, const std::string& file) { line.class_files.push_back(file); }},
    {"--events", "the name of the handler file",
     [](CommandLine& line, const std::string& file) {
       line.events_file = file;
       line.extended = true;
     }},
    {"--no-events", nullptr, [](CommandLine& line, const std::string&) { line.no_events = true; }},
    {"--help", nullptr, [](CommandLine& line, const std::string&) { line.help = true; }},
    {"-h", nullptr, [](CommandLine& line, const std::string&) { line.help = true; }},
    {"--version", nullptr, [](CommandLine& line, const std::string&) { line.version = true; }},
};

const char kEndOfOptions[] = "--";

const CommandOption* FindOption(const std::string& name) {
  for (const CommandOption& option : kOptions) {
    if (name == option.name) return &option;
  }
  return nullptr;
}

}  // namespace

std::span<const CommandOption> CommandOptions() { return kOptions; }

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  bool options_ended = false;
  for (size_t next = 0; next < args.size(); ++next) {
    const std::string& arg = args[next];
    if (options_ended || arg.empty() || arg[0] != '-') {
      line.files.push_back(arg);
    } else if (arg == kEndOfOptions) {
      options_ended = true;
    } else if (const CommandOption* option = FindOption(arg); option == nullptr) {
      line.mistake = "unknown option " + arg;
      return line;
    } else if (option->value == nullptr) {
      option->apply(line, "");
    } else if (next + 1 == args.size()) {
      line.mistake = arg + " needs " + option->value;
      return line;
    } else {
      option->apply(line, args[++next]);
    }
  }
  // Without any argument the usage alone is the answer; options alone are a mistake.
  if (!args.empty() && line.files.empty() && !line.help && !line.version) {
    line.mistake = "missing form file (.dfm or .txt)";
  }
  return line;
}

}  // namespace vornic
