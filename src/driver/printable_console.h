// PrintableConsole: the stream buffer every console text of a run goes
// through, which shows what forms and file names hold instead of letting a
// terminal obey it.
#pragma once

#include <ostream>
#include <streambuf>

namespace vornic {

/// Passes each piece written into it on to the console as PrintableText, so
/// that a control character or a byte that is not UTF-8 never reaches the
/// terminal raw. Unbuffered: a piece is escaped on its own, so a message is
/// written in one piece (one "<<" of a string) to keep its UTF-8 whole. The
/// console is borrowed and must outlive the buffer.
class PrintableConsole : public std::streambuf {
 public:
  explicit PrintableConsole(std::ostream& console) : console_(console) {}
  PrintableConsole(const PrintableConsole&) = delete;
  PrintableConsole& operator=(const PrintableConsole&) = delete;

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  std::ostream& console_;
};

}  // namespace vornic
