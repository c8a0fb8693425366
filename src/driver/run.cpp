// The run of the tool: file names, the conversion of the input, the line loop
// and the summary. Failures end up in the one catch of Run, which prints them.
#include "driver/run.h"

#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "builder/builder.h"
#include "driver/console_messages.h"
#include "driver/file_conversion.h"
#include "driver/file_names.h"
#include "driver/translation.h"
#include "input/binary_to_text.h"
#include "input/form_file_kind.h"
#include "input/text_to_binary.h"
#include "lib/errors.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {
namespace {

// The names of one run.
struct RunFiles {
  std::string input;
  std::string output;
  std::string text;  // the form text that the line loop reads
};

// Writing the program over the input would destroy the form it came from.
void RefuseOutputOverInput(const RunFiles& files) {
  std::error_code ec;
  if (files.output.empty() || std::filesystem::equivalent(files.input, files.output, ec)) {
    throw EInOutError(CannotCreateFile(files.output));
  }
}

// Makes sure both encodings of the form exist: a binary input is written out
// as text beside it, a text input as a binary form file.
void ConvertInput(const RunFiles& files, const std::string& target, FormConversion convert) {
  std::ifstream input = OpenForReading(files.input);
  RefuseOutputOverInput(files);
  ConvertIntoFile(input, target, convert);
}

// The designer keeps forms as text under the .dfm extension as well; a file
// that is neither encoding is refused before anything is written.
bool IsFormText(const RunFiles& files) {
  std::ifstream input = OpenForReading(files.input);
  switch (DetectFormFileKind(input)) {
    case FormFileKind::kText:
      return true;
    case FormFileKind::kBinary:
      return false;
    case FormFileKind::kNeither:
      break;
  }
  throw EInvalidImage(files.input + ": Invalid stream format");
}

int TranslateText(const RunFiles& files, std::ostream& console) {
  std::ifstream text = OpenForReading(files.text);
  TSDPR dpr(ProgramNameFor(files.output));
  TBuilder builder(OutputBaseNameFor(files.output));
  console << kWaitLine;
  TranslateFormText(text, files.text, dpr, builder);
  text.close();
  dpr.SaveToFile(files.output);
  console << ControlCountLine(builder.ControlCount);
  if (dpr.HasResources) console << kResourcesLine;
  return 0;
}

int ConvertAndTranslate(const std::vector<std::string>& args, std::ostream& console) {
  RunFiles files{args[0], OutputNameFor(args), ""};
  const std::string extension = ExtractExtension(files.input);
  if (extension == ".dfm" && IsFormText(files)) {
    // Translated as a .txt would be, but the form stays as it is: the text
    // is checked by converting it into nothing.
    files.text = files.input;
    std::ifstream input = OpenForReading(files.input);
    RefuseOutputOverInput(files);
    CheckFormText(input);
  } else if (extension == ".dfm") {
    files.text = ChangeExtension(files.input, ".txt");
    ConvertInput(files, files.text, FormResourceToText);
  } else if (extension == ".txt") {
    files.text = files.input;
    ConvertInput(files, ChangeExtension(files.input, ".dfm"), FormTextToResource);
  } else {
    console << kUnknownInputText;
    return 1;
  }
  return TranslateText(files, console);
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& console) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    console << kUsageText;
    return 0;
  }
  if (args[0] == "--version") {
    console << kVersionLine;
    return 0;
  }
  try {
    return ConvertAndTranslate(args, console);
  } catch (const Error& failure) {
    console << failure.what() << "\n";
  } catch (const std::bad_alloc&) {
    console << "Out of memory\n";
  }
  return 1;
}

}  // namespace vornic
