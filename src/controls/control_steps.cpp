// The steps every control generator shares while it reads its lines: naming,
// the empty text, string lists, and the font values collected in CurrentFont.
#include "controls/control_steps.h"

#include <string_view>

#include "builder/builder.h"
#include "lib/dictionary.h"
#include "lib/text.h"

namespace vornic {

std::string TBuilder::ControlNameOf(const LineWords& line) { return RemoveChar(line.Word2, ":"); }

void TBuilder::TakeControlName(std::string& name, const std::string& companion) {
  name = Names.Take(name, companion);
}

std::string QuotedOrEmpty(const std::string& text) {
  return text.empty() ? std::string("''") : text;
}

namespace {

// The marker the value checks know for the entries of a string list.
constexpr char kStringListMarker[] = "lb_is";

}  // namespace

void BeginStringList(GeneratorContext context) { context.list_marker() = kStringListMarker; }

void ReadStringListLine(GeneratorContext context, const LineWords& line, TIDictonary& entries) {
  std::string& marker = context.list_marker();
  if (marker != kStringListMarker) return;
  if (line.Kind == "end") {
    marker.clear();
    return;
  }
  if (line.WordCount != 1) return;
  std::string_view entry = line.Word1;
  if (!entry.empty() && entry.back() == ')') {
    entry.remove_suffix(1);
    marker.clear();
  }
  entries.Add(entry);
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
