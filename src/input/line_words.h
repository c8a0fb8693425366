// LineWords: the parser's outputs for one line, as every generator receives them.
#pragma once

#include <string>

namespace vornic {

struct LineWords {
  std::string ClassName;   // class of the most recent object line
  std::string ObjectName;  // its object word, colon included
  std::string Kind;        // "object", "set", "end" or empty
  std::string Word1;
  std::string Word2;
  std::string Word3;
  int Level = 0;
  int Indent = 0;
  int WordCount = 0;
};

}  // namespace vornic
