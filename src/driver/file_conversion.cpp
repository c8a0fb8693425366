// The conversions report what is wrong but not with which file: the driver
// knows the file, and says so in front of their message.
#include "driver/file_conversion.h"

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "driver/console_messages.h"
#include "lib/errors.h"
#include "lib/file_replacement.h"

namespace vornic {

std::ifstream OpenForReading(const std::string& path, const std::string& name) {
  std::error_code ec;
  std::ifstream file;
  // A directory opens for reading but fails at the first read.
  int error = EISDIR;
  if (!std::filesystem::is_directory(path, ec)) {
    errno = 0;
    file.open(path, std::ios::binary);
    error = errno;
  }
  if (!file.is_open()) {
    throw EInOutError(CannotOpenFile(name.empty() ? path : name, SystemReason(error)));
  }
  return file;
}

namespace {

// Runs one step over the input, naming the file each failure is about;
// `output` is null for a step that writes nothing.
template <typename Step>
void NameFailures(const std::string& input_name, const FileReplacement* output, Step step) {
  try {
    step();
  } catch (const EInputError& failure) {
    throw EInOutError(CannotReadFile(input_name, SystemReason(failure.error_number())));
  } catch (const EWriteError&) {
    if (output == nullptr) throw;
    throw EInOutError(CannotWriteFile(output->name(), SystemReason(output->write_error())));
  } catch (const ELineError& failure) {
    // Reported as the line loop reports a line it refuses.
    throw EParserError(LineErrorReport(input_name, failure.line_number(), failure.line()));
  } catch (const Error& failure) {
    throw Error(input_name + ": " + failure.what());
  }
}

}  // namespace

void ConvertFile(std::istream& input, const std::string& input_name, FileReplacement& output,
                 FormConversion convert, std::ostream* through) {
  std::ostream& written = through != nullptr ? *through : output.stream();
  NameFailures(input_name, &output, [&] { convert(input, written); });
  output.Finish();
}

void CheckFile(std::istream& input, const std::string& input_name, FormCheck check) {
  NameFailures(input_name, nullptr, [&] { check(input); });
}

}  // namespace vornic
