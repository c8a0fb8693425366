// Line feeding helpers shared by the builder and generator tests.
#include "support/form_lines.h"

#include <gtest/gtest.h>

namespace vornic {

FormLines& FormLines::Object(const std::string& name, const std::string& class_name) {
  ++depth_;
  level_ = depth_;
  class_name_ = class_name;
  object_name_ = name.empty() ? "" : name + ":";
  // A line "object TMemo" keeps its class in the second word.
  if (name.empty()) {
    Feed("object", "object", class_name, "", 2 * (depth_ - 1), 2);
  } else {
    Feed("object", "object", object_name_, class_name, 2 * (depth_ - 1), 3);
  }
  return *this;
}

FormLines& FormLines::Set(const std::string& property, const std::string& value) {
  Feed("set", property, "=", value, 2 * depth_, 3);
  return *this;
}

FormLines& FormLines::Item(const std::string& word) {
  Feed("", word, "", "", 2 * depth_ + 2, 1);
  return *this;
}

FormLines& FormLines::End() {
  level_ = depth_;
  Feed("end", "end", "", "", 2 * (depth_ - 1), 1);
  --depth_;
  return *this;
}

FormLines& FormLines::EndAll() {
  while (depth_ > 0) End();
  return *this;
}

void FormLines::Feed(const std::string& kind, const std::string& word1, const std::string& word2,
                     const std::string& word3, int indent, int word_count) {
  builder_.ProcessLine(dpr_, class_name_, object_name_, kind, word1, word2, word3, level_, indent,
                       word_count);
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
