// Roff reads a line that begins with a full stop or an apostrophe as a
// request, and a backslash as an escape; every "-" is written "\-", the
// hyphen-minus that options and file names need when copied from the page.
#include "driver/manual_page.h"

#include <string>

#include "driver/help_document.h"

namespace vornic {
namespace {

std::string EscapedText(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\\') {
      escaped += "\\e";
    } else if (c == '-') {
      escaped += "\\-";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// One line of roff text from a marked text.
std::string RoffLine(const std::string& marked) {
  std::string line;
  for (const HelpSpan& span : SplitSpans(marked)) {
    const std::string text = EscapedText(span.text);
    switch (span.style) {
      case SpanStyle::kPlain:
        line += text;
        break;
      case SpanStyle::kBold:
        line += "\\fB" + text + "\\fR";
        break;
      case SpanStyle::kItalic:
        line += "\\fI" + text + "\\fR";
        break;
    }
  }
  if (!line.empty() && (line[0] == '.' || line[0] == '\'')) line.insert(0, "\\&");
  return line + "\n";
}

}  // namespace

std::string ManualPage() {
  // Ragged right and no hyphenation: options and file names stay whole.
  std::string page = ".TH VORNIC 1 \"\" \"vornic 1.0\" \"User Commands\"\n.ad l\n.nh\n";
  for (const HelpSection& section : HelpSections()) {
    page += ".SH " + std::string(section.title) + "\n";
    bool first = true;
    for (const HelpItem& item : section.items) {
      if (*item.term != '\0') {
        page += ".TP\n" + RoffLine(item.term);
      } else if (!first) {
        page += ".PP\n";
      }
      page += RoffLine(item.text);
      first = false;
    }
  }
  return page;
}

}  // namespace vornic
