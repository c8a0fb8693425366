// The translation of form text into the output program, fed with the text in
// pieces as it is read or written, without touching the file system apart
// from the resource script of bitmaps, which is written into a temporary file.
#pragma once

#include <istream>
#include <string>
#include <string_view>

#include "input/form_text_lines.h"
#include "input/form_text_sink.h"
#include "input/line_parser.h"

namespace vornic {

class TBuilder;
class TSDPR;

/// Feeds every non-blank logical line of a form text up to the root object's
/// end (the first unindented "end" line) through a line parser and the
/// builder into the program. `text_name` is the text as messages name it;
/// the program and the builder are borrowed and must outlive the translation.
/// Lines are translated as soon as they are complete, so the text need not
/// be held.
class TextTranslation : public FormTextSink, private FormTextLines::Receiver {
 public:
  TextTranslation(const std::string& text_name, TSDPR& dpr, TBuilder& builder);
  TextTranslation(const TextTranslation&) = delete;
  TextTranslation& operator=(const TextTranslation&) = delete;

  /// Translates the lines that `bytes`, the next piece of the text,
  /// completes. A line that fails throws EParserError whose message is the
  /// report "[Error] <text_name>(<number>): <line>"; the resource script
  /// throws its own EInOutError.
  void Add(std::string_view bytes) override;
  /// Translates the last line, then writes the shared graphics and fonts;
  /// throws as Add does.
  void Finish() override;
  /// True once the root object has ended: the rest of the text is not read.
  bool done() const override { return done_ || lines_.ended(); }

 private:
  void OnLine(std::string_view line, int line_number) override;
  /// Takes the lines of bitmap data, which the builder stores without parsing.
  size_t TakeLines(std::string_view text, int& lines) override;

  const std::string text_name_;
  TSDPR& dpr_;
  TBuilder& builder_;
  TILineParser parser_;
  FormTextLines lines_{*this};
  bool done_ = false;  // the root object's end line has been translated
};

/// Reads `text` in pieces into `translation` until the text or its root
/// object ends; finishing the translation is left to the caller. A text that
/// cannot be read throws EInOutError "Cannot read file <text_name>: <reason>".
void ReadFormText(std::istream& text, const std::string& text_name, FormTextSink& translation);

/// Translates the whole of `text` into `dpr` with `builder` and joins the
/// program's sections (ReadFormText, then TSDPR::Compose); fails as
/// ReadFormText does. Borrows everything.
void TranslateFormText(std::istream& text, const std::string& text_name, TSDPR& dpr,
                       TBuilder& builder);

}  // namespace vornic
