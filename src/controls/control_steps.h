// The small helpers every control generator shares when it reads its lines.
#pragma once

#include <string>

#include "builder/generator_context.h"
#include "builder/line_words.h"

namespace vornic {

class TIDictonary;

/// `text`, or an empty quoted text when `text` is empty, so that a missing
/// property still gives the generated call its argument.
std::string QuotedOrEmpty(const std::string& text);

/// Begins reading a list of string entries (Items.Strings, Tabs.Strings), so
/// that the value checks check each entry at its own line.
void BeginStringList(GeneratorContext context);
/// Adds the entry of `line` to `entries` while a string list is being read;
/// the entry that ends in ")" closes the list, and so does an end line.
void ReadStringListLine(GeneratorContext context, const LineWords& line, TIDictonary& entries);

}  // namespace vornic
