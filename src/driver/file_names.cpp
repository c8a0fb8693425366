// File name rules. Both "\" and "/" separate directories, and ":" ends a
// drive name, so a full stop before any of them is not an extension.
#include "driver/file_names.h"

#include <filesystem>
#include <string>
#include <vector>

#include "extended/event_helpers.h"
#include "lib/ascii_identifier.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {
namespace {

constexpr char kPathDelimiters[] = "\\/:";

// Index of the first character of the file part.
size_t FilePartStart(const std::string& name) {
  size_t last = name.find_last_of(kPathDelimiters);
  return last == std::string::npos ? 0 : last + 1;
}

// Index of the extension's full stop, or npos when there is none.
size_t ExtensionStart(const std::string& name) {
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot < FilePartStart(name)) return std::string::npos;
  return dot;
}

}  // namespace

std::string ExtractExtension(const std::string& name) {
  size_t dot = ExtensionStart(name);
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string ChangeExtension(const std::string& name, const std::string& extension) {
  return name.substr(0, ExtensionStart(name)) + extension;
}

std::string OutputNameFor(const std::vector<std::string>& args) {
  return args.size() >= 2 ? args[1] : ChangeExtension(args[0], ".dpr");
}

std::string OutputBaseNameFor(const std::string& output_name) {
  size_t file_start = FilePartStart(output_name);
  return output_name.substr(0, file_start) + TextBeforeFullStop(output_name.substr(file_start));
}

std::string ProgramNameFor(const std::string& output_name) {
  // The name follows "Program " in the generated code, so it must be an
  // identifier: a file called my-form.dpr still gives a program that compiles.
  const std::string name =
      AsciiIdentifier(TextBeforeFullStop(output_name.substr(FilePartStart(output_name))));
  return name.empty() ? "noname" : name;
}

std::string HandlerFileFor(const std::string& given, const std::string& output_name) {
  return given.empty() ? OutputBaseNameFor(output_name) + ".events.inc" : given;
}

std::string IncludeNameFor(const std::string& handler_file, const std::string& output_name) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::absolute(output_name).lexically_normal().parent_path();
  const fs::path file = fs::absolute(handler_file).lexically_normal();
  std::string name = file.lexically_relative(folder).generic_string();
  if (name.empty()) name = file.generic_string();
  if (!IncludableName(name)) {
    throw EInOutError(
        CannotCreateFile(handler_file, "the program cannot include a file of that name"));
  }
  return name;
}

}  // namespace vornic
