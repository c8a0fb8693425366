// A console that fails makes every later piece fail too, so the run sees the
// failure when it flushes, as it would writing to the console directly.
#include "driver/printable_console.h"

#include <string_view>

#include "lib/printable_text.h"

namespace vornic {

std::streamsize PrintableConsole::xsputn(const char* bytes, std::streamsize count) {
  console_ << PrintableText(std::string_view(bytes, static_cast<size_t>(count)));
  return console_ ? count : 0;
}

PrintableConsole::int_type PrintableConsole::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

int PrintableConsole::sync() {
  console_.flush();
  return console_ ? 0 : -1;
}

}  // namespace vornic
