// The exception classes shared by every part of the tool. The driver catches
// Error once and decides what to print; nothing else catches.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace vornic {

/// Base of every failure the tool raises on purpose; what() is the message shown.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

/// A binary form file that cannot be read (bad structure, truncated input).
class EReadError : public Error {
  using Error::Error;
};

/// An output stream that refused bytes.
class EWriteError : public Error {
  using Error::Error;
};

/// The message of every output stream that refuses bytes.
inline constexpr const char* kStreamWriteError = "Stream write error";

/// An input stream that failed while it was read: a read error of the
/// device, not the end of the input. The driver names the file.
class EInputError : public Error {
  using Error::Error;
};

/// The message of every input stream that fails.
inline constexpr const char* kStreamInputError = "Stream input error";

/// A binary form file whose resource header is not a form resource.
class EInvalidImage : public Error {
  using Error::Error;
};

/// Form text that does not parse; the message already names the line.
class EParserError : public Error {
  using Error::Error;
};

/// A line of form text refused as a whole, such as a list entry the line
/// loop could not take; the driver reports the line with its file's name.
class ELineError : public EParserError {
 public:
  ELineError(int line_number, std::string line)
      : EParserError("Invalid line " + std::to_string(line_number)),
        line_number_(line_number),
        line_(std::move(line)) {}

  int line_number() const { return line_number_; }
  /// The line as the file holds it, without its line end.
  const std::string& line() const { return line_; }

 private:
  int line_number_;
  std::string line_;
};

/// A text that should have been a number and is not.
class EConvertError : public Error {
  using Error::Error;
};

/// A file that cannot be opened, created, read or written.
class EInOutError : public Error {
  using Error::Error;
};

/// The messages of files that fail, built in one format wherever the name is known.
inline std::string CannotOpenFile(const std::string& name) { return "Cannot open file " + name; }
inline std::string CannotReadFile(const std::string& name) { return "Cannot read file " + name; }
inline std::string CannotCreateFile(const std::string& name) {
  return "Cannot create file " + name;
}
inline std::string CannotWriteFile(const std::string& name) { return "Cannot write file " + name; }

/// An index outside the entries of a dictionary.
class ERangeError : public Error {
  using Error::Error;
};

}  // namespace vornic
