// The exception classes shared by every part of the tool. The driver catches
// Error once and decides what to print; nothing else catches.
#pragma once

#include <stdexcept>
#include <string>

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

/// A binary form file whose resource header is not a form resource.
class EInvalidImage : public Error {
  using Error::Error;
};

/// Form text that does not parse; the message already names the line.
class EParserError : public Error {
  using Error::Error;
};

/// A text that should have been a number and is not.
class EConvertError : public Error {
  using Error::Error;
};

/// A file that cannot be opened, created, read or written.
class EInOutError : public Error {
  using Error::Error;
};

/// An index outside the entries of a dictionary.
class ERangeError : public Error {
  using Error::Error;
};

}  // namespace vornic
