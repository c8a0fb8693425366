// Line feeding helpers shared by the builder and generator tests.
#include "support/form_lines.h"

#include <gtest/gtest.h>

namespace vornic {

FormLines& FormLines::Object(const std::string& name, const std::string& class_name) {
  // A line "object TMemo" names only its class.
  Feed(2 * depth_, "object " + (name.empty() ? class_name : name + ": " + class_name));
  ++depth_;
  return *this;
}

FormLines& FormLines::Set(const std::string& property, const std::string& value) {
  Feed(2 * depth_, property + " = " + value);
  return *this;
}

FormLines& FormLines::Item(const std::string& word) {
  Feed(2 * depth_ + 2, word);
  return *this;
}

FormLines& FormLines::End() {
  --depth_;
  Feed(2 * depth_, "end");
  return *this;
}

FormLines& FormLines::EndAll() {
  while (depth_ > 0) End();
  return *this;
}

void FormLines::Feed(int indent, const std::string& text) {
  parser_.ParseLine(++line_number_, std::string(static_cast<size_t>(indent), ' ') + text);
  builder_.ProcessLine(dpr_, parser_.ClassName, parser_.ObjectName, parser_.Kind, parser_.Word1,
                       parser_.Word2, parser_.Word3, parser_.Level, parser_.Indent,
                       parser_.WordCount);
}

std::string FinishProgram(TBuilder& builder, TSDPR& dpr) {
  builder.FinishGraphics(dpr);
  builder.FinishFonts(dpr);
  dpr.Compose();
  return dpr.ComposedText;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text does not end with CR LF";
  return lines;
}

}  // namespace vornic
