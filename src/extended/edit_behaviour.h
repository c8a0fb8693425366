// What the form's values make of an edit window: its border, the styles of
// its alignment, case, read-only and numbers-only values, and the messages
// that limit its length and hide what is typed.
#pragma once

#include <string>

namespace vornic {

struct Control;

/// The border of an edit, list box or memo: the sunken edge, a flat line
/// (Ctl3D False, also when passed on by a container) or none (bsNone).
struct EditBorder {
  std::string ex_style;  // "WS_EX_CLIENTEDGE" or "0"
  std::string style;     // " or WS_BORDER" for the flat line, else empty
};
EditBorder EditBorderOf(const Control& control);

/// " or ES_CENTER or ES_READONLY ..." from Alignment, ReadOnly, CharCase,
/// NumbersOnly and (one line only) PasswordChar; empty for the defaults.
std::string EditStyles(const Control& control, bool multi_line);

/// The lines that follow the window `name`'s creation: EM_LIMITTEXT for a
/// MaxLength and (one line only) EM_SETPASSWORDCHAR with the form's character.
std::string EditMessages(const Control& control, const std::string& name, bool multi_line);

/// The character code of a one-character literal ('*', #9679, #$25CF) up
/// to `limit`; 0 for none or anything else.
int CharacterCode(const std::string& literal, int limit);

}  // namespace vornic
