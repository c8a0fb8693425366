// The builder's side of the protocol of generator objects: which lines each
// generator object hears, in which order, and when it is dropped unheard.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "builder/builder.h"
#include "builder/translation_steps.h"
#include "driver/translation.h"
#include "output/program_text.h"

namespace vornic {
namespace {

std::vector<std::string>* g_heard = nullptr;  // what every recorder hears, in order

// Writes down each call as "<object> <call> <first word>".
class Recorder final : public ControlGenerator {
 public:
  void OnObject(GeneratorContext, const LineWords& line) override {
    name_ = line.ObjectName;
    Hear("object", line.Word3);
  }
  void OnProperty(GeneratorContext, const LineWords& line) override { Hear("set", line.Word1); }
  void OnContinuationLine(GeneratorContext, const LineWords& line) override {
    Hear("more", line.Word1);
  }
  void OnChildObject(GeneratorContext, const LineWords& line) override {
    Hear("child", line.ObjectName);
  }
  void OnEnd(GeneratorContext, const LineWords& line) override { Hear("end", line.Word1); }

 private:
  void Hear(const std::string& call, const std::string& word) {
    g_heard->push_back(name_ + " " + call + " " + word);
  }
  std::string name_;
};

std::unique_ptr<ControlGenerator> NewRecorder() { return std::make_unique<Recorder>(); }

// The exact translation, except that labels get recorders.
class RecordingSteps final : public TranslationSteps {
 public:
  Generator MemberFor(const ClassRow& row) const override { return exact_->MemberFor(row); }
  GeneratorFactory FactoryFor(const ClassRow& row) const override {
    return std::string(row.class_name) == "TLABEL" ? &NewRecorder : nullptr;
  }
  ObjectChecks ChecksFor(CheckedObject object, const ClassRow* row) const override {
    return exact_->ChecksFor(object, row);
  }
  const TRFont* FontFor(GeneratorContext context, int level, bool reads_font) const override {
    return exact_->FontFor(context, level, reads_font);
  }

 private:
  std::unique_ptr<TranslationSteps> exact_ = MakeExactSteps();
};

class GeneratorProtocolTest : public ::testing::Test {
 protected:
  void SetUp() override { g_heard = &heard_; }
  void TearDown() override { g_heard = nullptr; }

  void Translate(const std::string& form) {
    std::istringstream text(form);
    TSDPR dpr("form");
    TBuilder builder("form", std::make_unique<RecordingSteps>());
    TranslateFormText(text, "form.txt", dpr, builder);
  }

  std::vector<std::string> heard_;
};

TEST_F(GeneratorProtocolTest, EachObjectHearsItsOwnLinesAndAContainerHearsOfItsChildren) {
  Translate(
      "object Form1: TForm1\n"
      "  TextHeight = 13\n"
      "  object Outer: TLabel\n"
      "    Caption = 'a'\n"
      "    Columns = <\n"
      "      item\n"
      "        Width = 5\n"
      "      end\n"
      "      item\n"
      "      end>\n"
      "    object Inner: TLabel\n"
      "      Caption = 'b'\n"
      "    end\n"
      "    object Button1: TButton\n"
      "      Caption = 'c'\n"
      "    end\n"
      "    object Lost: TLabel\n"
      "      Caption = 'd'\n"
      "  end\n"
      "end\n");
  // The collection's items come as continuation lines, their end lines
  // included; the object whose end line never came is dropped unheard.
  EXPECT_EQ(heard_, (std::vector<std::string>{
                        "Outer: object TLabel",
                        "Outer: set Caption",
                        "Outer: set Columns",
                        "Outer: more item",
                        "Outer: set Width",
                        "Outer: more end",
                        "Outer: more item",
                        "Outer: more end>",
                        "Outer: child Inner:",
                        "Inner: object TLabel",
                        "Inner: set Caption",
                        "Inner: end end",
                        "Outer: child Button1:",
                        "Outer: child Lost:",
                        "Lost: object TLabel",
                        "Lost: set Caption",
                        "Outer: end end",
                    }));
}

}  // namespace
}  // namespace vornic
