// The run of the tool: the command line, the translation chosen once, and
// one form's run or a run over many forms. Failures end up in the one catch
// of Translate, which prints them.
#include "driver/run.h"

#include <fstream>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "driver/all_forms.h"
#include "driver/command_line.h"
#include "driver/console_messages.h"
#include "driver/file_conversion.h"
#include "driver/file_names.h"
#include "driver/form_run.h"
#include "driver/help_text.h"
#include "driver/printable_console.h"
#include "driver/translator.h"
#include "extended/class_aliases.h"
#include "extended/class_table.h"
#include "lib/errors.h"
#include "project/project_forms.h"

namespace vornic {
namespace {

// The translation of every form of a run, chosen here, once. Aliases and
// the project's forms matter only to the extended translation, so a class
// file or a search folder asks for it.
struct RunTranslation {
  std::unique_ptr<ClassTable> rules;  // by which the project's other files are read
  std::unique_ptr<ProjectForms> project;
  TranslatorMaker make;
};

bool WantsExtended(const CommandLine& line) {
  return line.extended || !line.class_files.empty() || !line.search_folders.empty() ||
         !line.merged_file.empty() || line.code_page != 0;
}

// The extended translation calls the form's handlers from a handler file
// unless told not to.
bool WantsEvents(const CommandLine& line) { return WantsExtended(line) && !line.no_events; }

RunTranslation TranslationFor(const CommandLine& line) {
  RunTranslation translation;
  if (!WantsExtended(line)) {
    translation.make = [](const std::string& text_name, const std::string& output_name,
                          const std::string&, const EventOptions&) {
      return MakeExactTranslator(text_name, output_name);
    };
    return translation;
  }
  auto aliases = std::make_shared<ClassAliases>();
  for (const std::string& file : line.class_files) {
    std::ifstream text = OpenForReading(file);
    aliases->ReadClassFile(text, file);
  }
  translation.rules = std::make_unique<ClassTable>(*aliases);
  translation.project = std::make_unique<ProjectForms>(*translation.rules, line.search_folders);
  ProjectForms* project = translation.project.get();
  translation.make = [aliases, project, code_page = line.code_page](
                         const std::string& text_name, const std::string& output_name,
                         const std::string& form_file, const EventOptions& events) {
    return MakeExtendedTranslator(text_name, output_name, *aliases, {project, form_file},
                                  code_page, events);
  };
  return translation;
}

// One form, its report on the console as it has always been.
int TranslateOne(const CommandLine& line, const RunTranslation& translation,
                 std::ostream& console) {
  FormFiles files;
  files.input = line.files[0];
  files.output = OutputNameFor(line.files);
  files.merged = line.merged_file;
  if (WantsEvents(line)) files.events = HandlerFileFor(line.events_file, files.output);
  const bool known = RunForm(files, translation.make, &console, [&](const FormReport& report) {
    for (const std::string& warning : report.warnings) console << warning << "\n";
    console << ControlCountLine(report.control_count);
    if (report.resources) console << kResourcesLine;
    console << report.handler_report;
    console.flush();
    if (!console) throw EInOutError(kConsoleWriteError);
  });
  if (known) return 0;
  console << kUnknownInputText;
  return 1;
}

// Runs the translation the command line asks for and prints its failure.
int Translate(const CommandLine& line, std::ostream& console, std::ostream& raw_console,
              bool terminal) {
  try {
    // Class files are read before any file is touched: a bad line stops the
    // run with nothing written.
    const RunTranslation translation = TranslationFor(line);
    if (!line.all) return TranslateOne(line, translation, console);
    const AllFormsRun run{line.files, line.out_folder, translation.make,
                          translation.project.get(), WantsEvents(line)};
    return RunAllForms(run, console, raw_console, terminal);
  } catch (const Error& failure) {
    console << failure.what() << "\n";
  } catch (const std::bad_alloc&) {
    console << "Out of memory\n";
  }
  return 1;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& raw_console, bool terminal) {
  // Messages quote forms and file names: nothing of theirs may reach the
  // terminal raw.
  PrintableConsole printable(raw_console);
  std::ostream console(&printable);
  const CommandLine line = ReadCommandLine(args);
  int code = 0;
  if (!line.mistake.empty()) {
    console << line.mistake << "\n" << kUsageText;
    code = 1;
  } else if (line.help) {
    console << kUsageText << HelpText();
  } else if (line.version) {
    console << kVersionLine;
  } else if (line.files.empty()) {
    console << kUsageText;
  } else {
    code = Translate(line, console, raw_console, terminal);
  }
  // A console that cannot be written fails the run too.
  return console.flush() ? code : 1;
}

}  // namespace vornic
