// TranslatingOutput: the stream buffer a conversion writes its form text
// into, which passes every piece on to the file and to the translation, so
// that the text is translated as it is written instead of read back.
#pragma once

#include <exception>
#include <ostream>
#include <streambuf>

namespace vornic {

class FormTextSink;

/// Passes the bytes on unbuffered: the conversion's writer buffers already.
/// A failure of the translation stops the translation, not the conversion:
/// a form that cannot be converted is reported as such, whatever line of it
/// fails to translate, and a text whose line fails is written whole. The
/// file stream and the translation are borrowed and must outlive the buffer.
class TranslatingOutput : public std::streambuf {
 public:
  TranslatingOutput(std::ostream& file, FormTextSink& translation)
      : file_(file), translation_(translation) {}
  TranslatingOutput(const TranslatingOutput&) = delete;
  TranslatingOutput& operator=(const TranslatingOutput&) = delete;

  /// Throws what the translation threw, if it did.
  void ThrowTranslationFailure() const;

 protected:
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  std::ostream& file_;
  FormTextSink& translation_;
  std::exception_ptr failure_;  // the translation's failure, kept until the conversion ends
};

}  // namespace vornic
