// The line loop of a run and the steps that finish the program after it.
#include "driver/translation.h"

#include <cerrno>
#include <string>
#include <vector>

#include "builder/builder.h"
#include "driver/console_messages.h"
#include "input/bitmap_data_line.h"
#include "lib/errors.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

constexpr size_t kReadSize = 64 * 1024;

}  // namespace

TextTranslation::TextTranslation(const std::string& text_name, TSDPR& dpr, TBuilder& builder)
    : text_name_(text_name), dpr_(dpr), builder_(builder) {}

void TextTranslation::Add(std::string_view bytes) {
  if (!done()) lines_.Add(bytes);
}

void TextTranslation::Finish() {
  lines_.Finish();
  builder_.FinishGraphics(dpr_);
  builder_.FinishFonts(dpr_);
}

// A failure of the form is reported with the line it happened on; its own
// message is not what the user needs to find the place. A failure that is
// not the line's (the script cannot be written) is reported as what it is.
void TextTranslation::OnLine(std::string_view line, int line_number) {
  if (done_ || IsBlankText(line)) return;
  try {
    parser_.ParseLine(line_number, line);
    builder_.ProcessLine(dpr_, parser_);
  } catch (const EInOutError&) {
    throw;
  } catch (const Error&) {
    throw EParserError(LineErrorReport(text_name_, line_number, std::string(line)));
  }
  done_ = EndsRootObject(parser_);
}

// Most of a form with pictures is bitmap data: its lines are too many to
// split into words one by one.
size_t TextTranslation::TakeLines(std::string_view text, int& lines) {
  if (done_ || !builder_.ReadsBitmapData()) return 0;
  size_t taken = 0;
  std::string_view word;
  for (size_t length; (length = BitmapDataLineAt(text.substr(taken), word)) != 0;) {
    taken += length;
    ++lines;
    if (!builder_.AddBitmapData(word)) break;
  }
  return taken;
}

void ReadFormText(std::istream& text, const std::string& text_name, FormTextSink& translation) {
  std::vector<char> piece(kReadSize);
  while (!translation.done() && text) {
    text.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    if (text.bad()) throw EInOutError(CannotReadFile(text_name, SystemReason(errno)));
    translation.Add(std::string_view(piece.data(), static_cast<size_t>(text.gcount())));
  }
}

void TranslateFormText(std::istream& text, const std::string& text_name, TSDPR& dpr,
                       TBuilder& builder) {
  TextTranslation translation(text_name, dpr, builder);
  ReadFormText(text, text_name, translation);
  translation.Finish();
  dpr.Compose();
}

}  // namespace vornic
