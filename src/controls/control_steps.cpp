// The steps every control generator shares while it reads its lines: naming,
// the empty text, and the font values collected in CurrentFont.
#include "controls/control_steps.h"

#include <string_view>

#include "builder/builder.h"
#include "lib/text.h"

namespace vornic {

std::string TBuilder::ControlNameOf(const LineWords& line, const std::string& companion) {
  return Names.Take(RemoveChar(line.Word2, ":"), companion);
}

std::string QuotedOrEmpty(const std::string& text) {
  return text.empty() ? std::string("''") : text;
}

bool TBuilder::StoreFontProperty(const LineWords& line) {
  const std::string_view name = line.Word1;
  if (name == "Font.Charset") {
    CurrentFont.Charset = line.Word3;
  } else if (name == "Font.Height") {
    CurrentFont.Height = line.Word3;
  } else if (name == "Font.Name") {
    CurrentFont.Name = line.Word3;
  } else if (name == "Font.Style") {
    CurrentFont.Style = line.Word3;
  } else {
    return false;
  }
  return true;
}

}  // namespace vornic
