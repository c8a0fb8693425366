// The line loop of a run and the steps that finish the program after it.
#include "driver/translation.h"

#include <string>

#include "builder/builder.h"
#include "driver/console_messages.h"
#include "input/form_text_reader.h"
#include "input/line_parser.h"
#include "lib/errors.h"
#include "lib/text.h"
#include "output/program_text.h"

namespace vornic {

namespace {

bool IsIdentifierPart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         static_cast<unsigned char>(c) >= 128;
}

// The root object's end: an unindented line whose first word is "end" in any
// case, perhaps with a closing bracket behind it. The conversion of the form
// reads nothing behind it either, so program and converted file hold the
// same form.
bool EndsRootObject(const TILineParser& parser) {
  const std::string& word = parser.Word1;
  return parser.Indent == 0 && word.size() >= 3 && UpperText(word.substr(0, 3)) == "END" &&
         (word.size() == 3 || !IsIdentifierPart(word[3]));
}

// A failure of the form is reported with the line it happened on; its own
// message is not what the user needs to find the place. A failure that is
// not the line's (the text cannot be read, the script cannot be written)
// is reported as what it is.
void ProcessLines(FormTextReader& reader, const std::string& text_name, TILineParser& parser,
                  TSDPR& dpr, TBuilder& builder) {
  std::string line;
  int line_number = 0;
  size_t warned = 0;  // the warnings that already name their line
  try {
    while (reader.ReadLine(line, line_number)) {
      if (IsBlankText(line)) continue;
      parser.ParseLine(line_number, line);
      builder.ProcessLine(dpr, parser.ClassName, parser.ObjectName, parser.Kind, parser.Word1,
                          parser.Word2, parser.Word3, parser.Level, parser.Indent,
                          parser.WordCount);
      for (; warned < builder.Warnings.size(); ++warned) {
        builder.Warnings[warned] =
            LineWarningReport(text_name, line_number, builder.Warnings[warned]);
      }
      if (EndsRootObject(parser)) break;
    }
  } catch (const EInputError&) {
    throw EInOutError(CannotReadFile(text_name));
  } catch (const EInOutError&) {
    throw;
  } catch (const Error&) {
    throw EParserError(LineErrorReport(text_name, line_number, line));
  }
}

}  // namespace

void TranslateFormText(std::istream& text, const std::string& text_name, TSDPR& dpr,
                       TBuilder& builder) {
  FormTextReader reader(text);
  TILineParser parser;
  ProcessLines(reader, text_name, parser, dpr, builder);
  builder.FinishGraphics(dpr);
  builder.FinishFonts(dpr);
  dpr.Compose();
}

}  // namespace vornic
