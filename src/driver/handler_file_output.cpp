// The handler file read and written; its text is the extended translation's.
#include "driver/handler_file_output.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "driver/file_conversion.h"
#include "lib/errors.h"

namespace vornic {

namespace {

namespace fs = std::filesystem;

// The bytes of the file when it is one; a device or pipe (/dev/full ...) has
// nothing of the user's to keep and is never read.
std::optional<std::string> ReadExisting(const std::string& name) {
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(name, ec))) return std::nullopt;
  if (!fs::is_regular_file(name, ec)) {
    if (fs::is_directory(name, ec)) OpenForReading(name);  // throws: it is a directory
    return std::nullopt;
  }
  std::ifstream file = OpenForReading(name);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) throw EInOutError(CannotReadFile(name, SystemReason(EIO)));
  return text;
}

std::string NameList(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

HandlerFileRun PrepareHandlerFile(const std::string& name, const EventHandlers& handlers,
                                  const std::string& program_file) {
  HandlerFileRun run{.name = name, .update = {}, .file = nullptr};
  const std::optional<std::string> existing = ReadExisting(name);
  run.update = UpdateHandlerFile(existing ? &*existing : nullptr, handlers, program_file);
  if (run.update.changed) {
    run.file = std::make_unique<FileReplacement>(name);
    run.file->Write(run.update.text);
    run.file->Finish();
  }
  return run;
}

std::string HandlerFileReport(const HandlerFileRun& run) {
  std::string report;
  const HandlerFileUpdate& update = run.update;
  if (update.created) {
    const size_t count = update.added.size();
    report += "Handler file " + run.name + " created with " + std::to_string(count) +
              (count == 1 ? " stub.\n" : " stubs.\n");
  } else if (!update.added.empty()) {
    report += "Handler stubs appended to " + run.name + ": " + NameList(update.added) + "\n";
  }
  if (!update.unused.empty()) {
    report += "Handlers in " + run.name +
              " that the form no longer names, left as they are: " + NameList(update.unused) + "\n";
  }
  return report;
}

}  // namespace vornic
