// The two layout helpers every generator uses for a control's creation text.
#pragma once

#include <string>

namespace vornic {

/// "  { " + text + " " + "=" padding up to 64 characters + " }": the comment
/// line that opens every control's creation text.
std::string BannerComment(const std::string& text);
/// Blanks that put a creation call's second line under its first argument:
/// two, then as many as `name` has characters, then three.
std::string ContinuationIndent(const std::string& name);

}  // namespace vornic
