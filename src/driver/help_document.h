// The description of the tool that both "--help" and the manual page are made
// of, so that the two cannot say different things.
//
// Texts are single paragraphs, wrapped by whoever renders them. Two marks set
// a span's style: *bold* for what is typed as it stands (the tool's name, its
// options), _italic_ for what stands for a name of the user's.
#pragma once

#include <string>
#include <vector>

namespace vornic {

/// A paragraph (empty `term`), or a term with its explanation: an option, a
/// file, an exit code, an example's command line.
struct HelpItem {
  const char* term;
  const char* text;
};

struct HelpSection {
  const char* title;  // as the manual page heads it: "EXIT STATUS"
  bool manual_only;   // NAME and SEE ALSO belong to the manual page alone
  std::vector<HelpItem> items;
};

/// The sections in the order the manual page gives them.
const std::vector<HelpSection>& HelpSections();

enum class SpanStyle { kPlain, kBold, kItalic };

struct HelpSpan {
  SpanStyle style;
  std::string text;  // without its marks
};

/// `text` cut at its style marks; a mark left open runs to the end.
std::vector<HelpSpan> SplitSpans(const std::string& text);

}  // namespace vornic
