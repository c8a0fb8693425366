// Adding an option is adding a row to kOptions, a field to CommandLine for
// what it sets, and its description to the help document.
#include "driver/command_line.h"

#include <span>
#include <string>
#include <vector>

#include "input/code_page_decode.h"
#include "lib/text.h"

namespace vornic {
namespace {

void ReadCodePage(CommandLine& line, const std::string& value) {
  if (IsIntegerText(value) && TextToInt(value) > 0 && KnowsCodePage(TextToInt(value))) {
    line.code_page = TextToInt(value);
  } else {
    line.mistake = "unknown code page " + value;
  }
}

const CommandOption kOptions[] = {
    {"--extended", nullptr, [](CommandLine& line, const std::string&) { line.extended = true; }},
    {"--classes", "the name of a class file",
     [](CommandLine& line, const std::string& file) { line.class_files.push_back(file); }},
    {"--search", "the name of a folder",
     [](CommandLine& line, const std::string& folder) { line.search_folders.push_back(folder); }},
    {"--merged", "the name of a file",
     [](CommandLine& line, const std::string& file) { line.merged_file = file; }},
    {"--all", nullptr, [](CommandLine& line, const std::string&) { line.all = true; }},
    {"--out", "the name of a folder",
     [](CommandLine& line, const std::string& folder) { line.out_folder = folder; }},
    {"--codepage", "a code page number", ReadCodePage},
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
      // A value the option cannot take ends the reading as an unknown option does.
      option->apply(line, args[++next]);
      if (!line.mistake.empty()) return line;
    }
  }
  // Without any argument the usage alone is the answer; options alone are a mistake.
  if (!args.empty() && line.files.empty() && !line.help && !line.version) {
    line.mistake = "missing form file (.dfm or .txt)";
  } else if (line.all && !line.merged_file.empty()) {
    line.mistake = "--merged names one file and cannot be used with --all";
  } else if (!line.all && !line.out_folder.empty()) {
    line.mistake = "--out is used with --all only";
  }
  return line;
}

}  // namespace vornic
