// The text converted from a binary form is translated as it is written; a
// form text given as input is read twice, by the conversion and by the line
// loop. Every file the run writes is written beside its target under a
// temporary name and put in place only once the whole run has succeeded, so
// a failed run leaves the user's files as they were. The one exception: when
// a line of a form text converted from a binary form fails, the text is
// kept, as the report names it.
#include "driver/form_run.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <system_error>
#include <utility>

#include "driver/console_messages.h"
#include "driver/file_conversion.h"
#include "driver/file_names.h"
#include "driver/handler_file_output.h"
#include "driver/translating_output.h"
#include "driver/translation.h"
#include "driver/translator.h"
#include "form/form_text.h"
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

// The names of one run.
struct RunFiles {
  std::string input;
  std::string output;
  std::string text;       // the form text that the line loop reads, as messages name it
  std::string converted;  // the form file written from the input
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
bool ChooseConversion(RunFiles& files, const std::string& converted_base) {
  const std::string extension = ExtractExtension(files.input);
  if (extension == ".dfm" && IsFormText(files.input)) {
    files.text = files.input;
  } else if (extension == ".dfm") {
    files.text = files.converted = ChangeExtension(converted_base, ".txt");
    files.convert = FormResourceToText;
  } else if (extension == ".txt") {
    files.text = files.input;
    files.converted = ChangeExtension(converted_base, ".dfm");
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
                              std::ostream* console) {
  TranslatingOutput output(converted.stream(), translation.text());
  std::ostream text(&output);
  ConvertFile(input, files.input, converted, files.convert, &text);
  if (console != nullptr) *console << kWaitLine;
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
                          Translator& translation, std::ostream* console) {
  if (converted != nullptr) {
    ConvertFile(input, files.input, *converted, files.convert);
  } else {
    // Checked as the conversion would read it, so it fails with the same message.
    CheckFile(input, files.input, CheckFormText);
  }
  std::ifstream text = OpenForReading(files.text);
  if (console != nullptr) *console << kWaitLine;
  ReadFormText(text, files.text, translation.text());
  translation.Finish();
}

// The form put together, as form text.
void WriteMerged(const Translator& translation, FileReplacement& merged) {
  const FormTree* form = translation.form();
  if (form != nullptr && form->root != nullptr) merged.Write(FormText(*form->root));
  merged.Finish();
}

// Writes out the program and finishes every file; then, once the report is
// shown, puts every file in place.
void SaveAll(const RunFiles& files, FileReplacement* converted, FileReplacement& program,
             FileReplacement* merged, const std::string& events, Translator& translation,
             const ReportStep& show) {
  translation.program().SaveTo(program);
  program.Finish();
  FileReplacement* script = translation.script();
  if (script != nullptr) {
    RefuseClashes(files.input, {converted, &program, merged, script});
    script->Finish();
  }
  if (merged != nullptr) WriteMerged(translation, *merged);
  HandlerFileRun handler_file;
  if (!events.empty() && translation.handlers() != nullptr) {
    handler_file = PrepareHandlerFile(events, *translation.handlers(),
                                      fs::path(files.output).filename().string());
    RefuseClashes(files.input, {converted, &program, merged, script, handler_file.file.get()});
  }
  FormReport report{translation.warnings(), translation.control_count(),
                    translation.program().HasResources != 0, {}, HandlerFileReport(handler_file)};
  for (const FileReplacement* file : {converted, script, merged, handler_file.file.get(), &program}) {
    if (file != nullptr) report.files.push_back(file->name());
  }
  show(report);
  if (handler_file.file != nullptr) handler_file.file->Commit();
  if (converted != nullptr) converted->Commit();
  if (script != nullptr) script->Commit();
  if (merged != nullptr) merged->Commit();
  program.Commit();
}

}  // namespace

bool RunForm(const FormFiles& form, const TranslatorMaker& make_translator,
             std::ostream* console, const ReportStep& show) {
  RunFiles files;
  files.input = form.input;
  files.output = form.output;
  RefuseFormFileAsOutput(files.output);
  if (!ChooseConversion(files, form.converted.empty() ? form.input : form.converted)) return false;
  std::ifstream input = OpenForReading(files.input);
  FileReplacement program(files.output);
  std::unique_ptr<FileReplacement> converted;
  if (files.convert != nullptr) converted = std::make_unique<FileReplacement>(files.converted);
  std::unique_ptr<FileReplacement> merged;
  if (!form.merged.empty()) merged = std::make_unique<FileReplacement>(form.merged);
  RefuseClashes(files.input, {converted.get(), &program, merged.get()});

  EventOptions events;
  if (!form.events.empty()) {
    events = {.enabled = true, .include_name = IncludeNameFor(form.events, files.output)};
  }
  std::unique_ptr<Translator> translation =
      make_translator(files.text, files.output, files.input, events);
  if (files.text == files.converted) {
    TranslateWhileConverting(files, input, *converted, *translation, console);
  } else {
    ConvertThenTranslate(files, input, converted.get(), *translation, console);
  }
  input.close();
  SaveAll(files, converted.get(), program, merged.get(), form.events, *translation, show);
  return true;
}

}  // namespace vornic
