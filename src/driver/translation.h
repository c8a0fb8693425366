// The translation of form text into the output program, from any stream and
// without touching the file system apart from the resource script of bitmaps,
// which is written into a temporary file.
#pragma once

#include <istream>
#include <string>

namespace vornic {

class TBuilder;
class TSDPR;

/// Feeds every non-blank logical line of `text` up to the root object's end
/// (the first unindented "end" line) through a line parser and `builder` into
/// `dpr`, then writes the shared graphics and fonts and joins the program's
/// sections. A line that fails throws EParserError whose message is the
/// report "[Error] <text_name>(<number>): <line>"; a text that cannot be read
/// throws EInOutError "Cannot read file <text_name>", and the resource script
/// its own EInOutError. A warning the builder raises becomes the report
/// "[Warning] <text_name>(<number>): <warning>" in its Warnings. Borrows
/// everything.
void TranslateFormText(std::istream& text, const std::string& text_name, TSDPR& dpr,
                       TBuilder& builder);

}  // namespace vornic
