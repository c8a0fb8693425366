// The run of the tool: file names, the conversion of the input, the line loop
// and the summary. Failures end up in the one catch of Run, which prints them.
//
// The text converted from a binary form is translated as it is written; a
// form text given as input is read twice, by the conversion and by the line
// loop. Every file the run writes is written beside its target under a
// temporary name and put in place only once the whole run has succeeded, so
// a failed run leaves the user's files as they were. The one exception: when
// a line of a form text converted from a binary form fails, the text is
// kept, as the report names it.
#include "driver/run.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "driver/command_line.h"
#include "driver/console_messages.h"
#include "driver/file_conversion.h"
#include "driver/file_names.h"
#include "driver/handler_file_output.h"
#include "driver/help_text.h"
#include "driver/printable_console.h"
#include "driver/translating_output.h"
#include "driver/translation.h"
#include "driver/translator.h"
#include "extended/class_aliases.h"
#include "extended/event_wiring.h"
#include "input/binary_to_text.h"
#include "input/form_file_kind.h"
#include "input/text_to_binary.h"
#include "lib/errors.h"
#include "lib/file_replacement.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// The translation is chosen here, once. Aliases matter only to the extended
// translation, so a class file asks for it.
using TranslatorMaker = std::function<std::unique_ptr<Translator>(
    const std::string& text_name, const std::string& output_name, const EventOptions& events)>;

TranslatorMaker TranslatorFor(const CommandLine& line) {
  if (!line.extended && line.class_files.empty()) {
    return [](const std::string& text_name, const std::string& output_name, const EventOptions&) {
      return MakeExactTranslator(text_name, output_name);
    };
  }
  auto aliases = std::make_shared<ClassAliases>();
  for (const std::string& file : line.class_files) {
    std::ifstream text = OpenForReading(file);
    aliases->ReadClassFile(text, file);
  }
  return [aliases](const std::string& text_name, const std::string& output_name,
                   const EventOptions& events) {
    return MakeExtendedTranslator(text_name, output_name, *aliases, events);
  };
}

// The names of one run.
struct RunFiles {
  std::string input;
  std::string output;
  std::string text;       // the form text that the line loop reads, as messages name it
  std::string converted;  // the form file written from the input
  std::string events;     // the handler file; empty for none
  FormConversion convert = nullptr;
};

// The program in place of a form file would destroy a form: the input, the
// file converted from it, or another form that a shell glob put second.
void RefuseFormFileAsOutput(const std::string& output) {
  const std::string extension = UpperText(ExtractExtension(output));
  if (extension == ".DFM" || extension == ".TXT") throw EInOutError(FormFileAsOutput(output));
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  const fs::path canonical_a = fs::weakly_canonical(a, ec);
  if (ec) return false;
  return canonical_a == fs::weakly_canonical(b, ec) && !ec;
}

// No file of the run may take the place of the input or of another one,
// whatever links lead there.
void RefuseClashes(const std::string& input, std::initializer_list<const FileReplacement*> files) {
  std::vector<const FileReplacement*> earlier;
  for (const FileReplacement* file : files) {
    if (file == nullptr) continue;
    if (SameFile(input, file->target())) {
      throw EInOutError(CannotCreateFile(file->name(), "it would replace the input " + input));
    }
    for (const FileReplacement* other : earlier) {
      if (SameFile(other->target(), file->target())) {
        throw EInOutError(
            CannotCreateFile(file->name(), "the run writes it already as " + other->name()));
      }
    }
    earlier.push_back(file);
  }
}

// The designer keeps forms as text under the .dfm extension as well; a file
// that is neither encoding is refused before anything is written.
bool IsFormText(const std::string& input_name) {
  std::ifstream input = OpenForReading(input_name);
  FormFileKind kind;
  try {
    kind = DetectFormFileKind(input);
  } catch (const EInputError& failure) {
    throw EInOutError(CannotReadFile(input_name, SystemReason(failure.error_number())));
  }
  switch (kind) {
    case FormFileKind::kText:
      return true;
    case FormFileKind::kBinary:
      return false;
    case FormFileKind::kNeither:
      break;
  }
  throw EInvalidImage(input_name + ": Invalid stream format");
}

// False for an input of another extension. Form text under a .dfm name is
// translated as it stands: nothing is converted, and no form file written.
bool ChooseConversion(RunFiles& files) {
  const std::string extension = ExtractExtension(files.input);
  if (extension == ".dfm" && IsFormText(files.input)) {
    files.text = files.input;
  } else if (extension == ".dfm") {
    files.text = files.converted = ChangeExtension(files.input, ".txt");
    files.convert = FormResourceToText;
  } else if (extension == ".txt") {
    files.text = files.input;
    files.converted = ChangeExtension(files.input, ".dfm");
    files.convert = FormTextToResource;
  } else {
    return false;
  }
  return true;
}

// A binary form's text is translated as the conversion writes it, not read
// back from the disk. A failure of the conversion is reported before any of
// the translation's, as when one ran after the other; when a line of the
// text fails, the text is put in place, for the report names a line of it.
void TranslateWhileConverting(const RunFiles& files, std::istream& input,
                              FileReplacement& converted, Translator& translation,
                              std::ostream& console) {
  TranslatingOutput output(converted.stream(), translation.text());
  std::ostream text(&output);
  ConvertFile(input, files.input, converted, files.convert, &text);
  console << kWaitLine;
  try {
    output.ThrowTranslationFailure();
    translation.Finish();
  } catch (const EParserError&) {
    converted.Commit();
    throw;
  }
}

// A form text given as input is converted or checked first, then read again
// for the translation.
void ConvertThenTranslate(const RunFiles& files, std::istream& input, FileReplacement* converted,
                          Translator& translation, std::ostream& console) {
  if (converted != nullptr) {
    ConvertFile(input, files.input, *converted, files.convert);
  } else {
    // Checked as the conversion would read it, so it fails with the same message.
    CheckFile(input, files.input, CheckFormText);
  }
  std::ifstream text = OpenForReading(files.text);
  console << kWaitLine;
  ReadFormText(text, files.text, translation.text());
  translation.Finish();
}

// Writes out the program and finishes every file; then, once the console has
// shown the report, puts every file in place.
void SaveAll(const RunFiles& files, FileReplacement* converted, FileReplacement& program,
             Translator& translation, std::ostream& console) {
  translation.program().SaveTo(program);
  program.Finish();
  FileReplacement* script = translation.script();
  if (script != nullptr) {
    RefuseClashes(files.input, {converted, &program, script});
    script->Finish();
  }
  HandlerFileRun events;
  if (!files.events.empty() && translation.handlers() != nullptr) {
    events = PrepareHandlerFile(files.events, *translation.handlers(),
                                fs::path(files.output).filename().string());
    RefuseClashes(files.input, {converted, &program, script, events.file.get()});
  }
  for (const std::string& warning : translation.warnings()) console << warning << "\n";
  console << ControlCountLine(translation.control_count());
  if (translation.program().HasResources) console << kResourcesLine;
  console << HandlerFileReport(events);
  console.flush();
  if (!console) throw EInOutError(kConsoleWriteError);
  if (converted != nullptr) converted->Commit();
  if (script != nullptr) script->Commit();
  if (events.file != nullptr) events.file->Commit();
  program.Commit();
}

int ConvertAndTranslate(const CommandLine& line, const TranslatorMaker& make_translator,
                        std::ostream& console) {
  RunFiles files;
  files.input = line.files[0];
  files.output = OutputNameFor(line.files);
  RefuseFormFileAsOutput(files.output);
  EventOptions events;
  if ((line.extended || !line.class_files.empty()) && !line.no_events) {
    files.events = HandlerFileFor(line.events_file, files.output);
    events = {.enabled = true, .include_name = IncludeNameFor(files.events, files.output)};
  }
  if (!ChooseConversion(files)) {
    console << kUnknownInputText;
    return 1;
  }
  std::ifstream input = OpenForReading(files.input);
  FileReplacement program(files.output);
  std::unique_ptr<FileReplacement> converted;
  if (files.convert != nullptr) converted = std::make_unique<FileReplacement>(files.converted);
  RefuseClashes(files.input, {converted.get(), &program});

  std::unique_ptr<Translator> translation = make_translator(files.text, files.output, events);
  if (files.text == files.converted) {
    TranslateWhileConverting(files, input, *converted, *translation, console);
  } else {
    ConvertThenTranslate(files, input, converted.get(), *translation, console);
  }
  input.close();
  SaveAll(files, converted.get(), program, *translation, console);
  return 0;
}

// Runs the translation the command line asks for and prints its failure.
int Translate(const CommandLine& line, std::ostream& console) {
  try {
    // Class files are read before any file is touched: a bad line stops the
    // run with nothing written.
    const TranslatorMaker make_translator = TranslatorFor(line);
    return ConvertAndTranslate(line, make_translator, console);
  } catch (const Error& failure) {
    console << failure.what() << "\n";
  } catch (const std::bad_alloc&) {
    console << "Out of memory\n";
  }
  return 1;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& raw_console) {
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
    code = Translate(line, console);
  }
  // A console that cannot be written fails the run too.
  return console.flush() ? code : 1;
}

}  // namespace vornic
