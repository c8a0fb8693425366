// A stream that fails makes the conversion fail as it would writing the file
// alone; a translation that fails only waits to be reported.
#include "driver/translating_output.h"

#include <string_view>

#include "input/form_text_sink.h"

namespace vornic {

void TranslatingOutput::ThrowTranslationFailure() const {
  if (failure_) std::rethrow_exception(failure_);
}

std::streamsize TranslatingOutput::xsputn(const char* bytes, std::streamsize count) {
  file_.write(bytes, count);
  if (!file_) return 0;
  if (!failure_) {
    try {
      translation_.Add(std::string_view(bytes, static_cast<size_t>(count)));
    } catch (...) {
      // Kept, not dropped: ThrowTranslationFailure throws it after the conversion.
      failure_ = std::current_exception();
    }
  }
  return count;
}

TranslatingOutput::int_type TranslatingOutput::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
}

int TranslatingOutput::sync() {
  file_.flush();
  return file_ ? 0 : -1;
}

}  // namespace vornic
