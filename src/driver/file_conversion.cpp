// The conversions report what is wrong but not with which file: the driver
// knows the file, and says so in front of their message.
#include "driver/file_conversion.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "lib/errors.h"
#include "lib/file_replacement.h"

namespace vornic {

std::ifstream OpenForReading(const std::string& path, const std::string& name) {
  std::error_code ec;
  std::ifstream file;
  if (!std::filesystem::is_directory(path, ec)) file.open(path, std::ios::binary);
  if (!file.is_open()) throw EInOutError(CannotOpenFile(name.empty() ? path : name));
  return file;
}

void ConvertFile(std::istream& input, const std::string& input_name, FileReplacement& output,
                 FormConversion convert) {
  try {
    convert(input, output.stream());
  } catch (const EInputError&) {
    throw EInOutError(CannotReadFile(input_name));
  } catch (const EWriteError&) {
    throw EInOutError(CannotWriteFile(output.name()));
  } catch (const Error& failure) {
    throw Error(input_name + ": " + failure.what());
  }
  output.Finish();
}

}  // namespace vornic
