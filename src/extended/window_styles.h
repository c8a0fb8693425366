// Changing the or-ed window styles of a WindowControl, a text such as
// "WS_VISIBLE or WS_CHILD or WS_TABSTOP" that may break its line after an "or".
#pragma once

#include <string>

namespace vornic {

/// True when `styles` names `style` as a whole word.
bool HasStyle(const std::string& styles, const std::string& style);
/// `style` and the "or" beside it taken out of `styles`; no change when it
/// is not there.
void RemoveStyle(std::string& styles, const std::string& style);
/// `style` or-ed to the end of `styles`, unless it is there already.
void AddStyle(std::string& styles, const std::string& style);

}  // namespace vornic
