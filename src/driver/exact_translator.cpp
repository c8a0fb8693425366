// The exact translation: every line of the form text through the line parser
// and the builder as it comes.
#include <memory>
#include <string>
#include <vector>

#include "builder/builder.h"
#include "driver/file_names.h"
#include "driver/translation.h"
#include "driver/translator.h"
#include "output/program_text.h"

namespace vornic {

namespace {

class ExactTranslator final : public Translator {
 public:
  ExactTranslator(const std::string& text_name, const std::string& output_name)
      : builder_(OutputBaseNameFor(output_name)),
        // Taken first, so that no control's variable hides the program's name.
        program_(builder_.Names.Take(ProgramNameFor(output_name))),
        text_(text_name, program_, builder_) {}

  FormTextSink& text() override { return text_; }
  void Finish() override { text_.Finish(); }
  const TSDPR& program() const override { return program_; }
  TSDPR& program() override { return program_; }
  FileReplacement* script() override { return builder_.BitmapStore.script(); }
  // The exact translation warns of nothing: what it cannot write it leaves out.
  std::vector<std::string> warnings() const override { return {}; }
  int control_count() const override { return builder_.ControlCount; }

 private:
  TBuilder builder_;
  TSDPR program_;
  TextTranslation text_;
};

}  // namespace

std::unique_ptr<Translator> MakeExactTranslator(const std::string& text_name,
                                                const std::string& output_name) {
  return std::make_unique<ExactTranslator>(text_name, output_name);
}

}  // namespace vornic
