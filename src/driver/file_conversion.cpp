// The conversion writes a temporary file next to its target and renames it
// over the target once the whole file is written, so a conversion that fails
// half-way never destroys the form file that was there before.
#include "driver/file_conversion.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "driver/console_messages.h"
#include "lib/errors.h"

namespace vornic {
namespace {

constexpr int kTemporaryNameAttempts = 100;

// Removes the file on destruction unless it has been kept.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string name) : name_(std::move(name)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    std::error_code ignored;  // nothing useful can be done if removal fails
    if (!kept_) std::filesystem::remove(name_, ignored);
  }
  const std::string& name() const { return name_; }
  void Keep() { kept_ = true; }

 private:
  std::string name_;
  bool kept_ = false;
};

// Creates a new, empty file beside `target` whose name no other file has;
// the exclusive mode makes sure an existing file is never taken over.
std::string CreateTemporaryBeside(const std::string& target) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::string name = target + ".tmp" + (attempt == 0 ? "" : std::to_string(attempt));
    if (std::FILE* file = std::fopen(name.c_str(), "wbx")) {
      std::fclose(file);
      return name;
    }
    std::error_code ec;
    if (!std::filesystem::exists(name, ec)) break;  // the directory refuses new files
  }
  throw EInOutError(CannotCreateFile(target));
}

}  // namespace

std::ifstream OpenForReading(const std::string& name) {
  std::error_code ec;
  std::ifstream file;
  if (!std::filesystem::is_directory(name, ec)) file.open(name, std::ios::binary);
  if (!file.is_open()) throw EInOutError(CannotOpenFile(name));
  return file;
}

void ConvertIntoFile(std::istream& input, const std::string& target, FormConversion convert) {
  if (target.empty()) throw EInOutError(CannotCreateFile(target));
  TemporaryFile temporary(CreateTemporaryBeside(target));
  {
    std::ofstream output(temporary.name(), std::ios::binary | std::ios::trunc);
    if (!output) throw EInOutError(CannotCreateFile(target));
    convert(input, output);
    output.close();
    if (!output) throw EWriteError(CannotWriteFile(target));
  }
  std::error_code ec;
  std::filesystem::rename(temporary.name(), target, ec);
  if (ec) throw EInOutError(CannotCreateFile(target));
  temporary.Keep();
}

}  // namespace vornic
