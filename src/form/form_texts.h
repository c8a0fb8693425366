// The texts of a form tree decoded once, before anything is written: every
// text value becomes the wide literal of the characters it stands for, so
// that each writer copies characters and not the bytes of the machine that
// saved the form.
#pragma once

#include <string_view>

#include "form/form_object.h"

namespace vornic {

/// The code page of the bytes a value holds raw, by the value of a
/// Font.Charset (RUSSIAN_CHARSET or 204 ...); 0 when it says none
/// (DEFAULT_CHARSET, OEM_CHARSET, a charset not known).
int CodePageOfCharset(std::string_view charset);

/// Rewrites every text value of `tree` (plain values, list entries, the
/// values of collection items) as WideLiteral of its characters. Raw bytes
/// are read as UTF-8 when the form text begins with a byte order mark or
/// all of them are well-formed UTF-8; else in the code page of the
/// Font.Charset its object has or takes over from its holders; else in
/// 1252. `code_page`, when not 0, is taken for all of them instead.
void DecodeFormTexts(FormTree& tree, int code_page);

}  // namespace vornic
