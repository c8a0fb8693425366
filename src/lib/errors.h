// The exception classes shared by every part of the tool. The driver catches
// Error once and decides what to print; nothing else catches.
#pragma once

#include <cerrno>
#include <stdexcept>
#include <string>
#include <system_error>
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

/// The message of every input stream that fails.
inline constexpr const char* kStreamInputError = "Stream input error";

/// An input stream that failed while it was read: a read error of the
/// device, not the end of the input. The driver names the file and gives
/// the system's reason, taken where the read failed, before anything else
/// could overwrite errno.
class EInputError : public Error {
 public:
  /// `error_number` is the errno of the failed read, 0 when there is none.
  explicit EInputError(int error_number) : Error(kStreamInputError), error_number_(error_number) {}
  int error_number() const { return error_number_; }

 private:
  int error_number_;
};

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

/// The system's words for an errno value, as in "Permission denied"; an
/// input/output error when the number is 0, as a failed device gives none.
inline std::string SystemReason(int error_number) {
  return std::generic_category().message(error_number != 0 ? error_number : EIO);
}

/// The messages of files that fail, built in one format wherever the name is
/// known: what failed, the file, and why ("Cannot create file x.dpr: Is a
/// directory"). The reason is the system's (SystemReason) or the tool's own.
inline std::string CannotOpenFile(const std::string& name, const std::string& reason) {
  return "Cannot open file " + name + ": " + reason;
}
inline std::string CannotReadFile(const std::string& name, const std::string& reason) {
  return "Cannot read file " + name + ": " + reason;
}
inline std::string CannotCreateFile(const std::string& name, const std::string& reason) {
  return "Cannot create file " + name + ": " + reason;
}
inline std::string CannotWriteFile(const std::string& name, const std::string& reason) {
  return "Cannot write file " + name + ": " + reason;
}

/// An index outside the entries of a dictionary.
class ERangeError : public Error {
  using Error::Error;
};

}  // namespace vornic
