// What a form's unit says of its class: the class it is declared to
// descend from, read from the Pascal source without compiling it.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

/// The ancestor that `unit`, the text of a Pascal unit, declares for
/// `class_name` in a type declaration "<class_name> = class(<ancestor>, ...)"
/// (names compared in any case; "class sealed" and "class abstract" too; a
/// qualified ancestor such as "Vcl.Forms.TForm" gives its last part); empty
/// when the unit declares no such class. Comments and strings are skipped.
std::string DeclaredAncestor(std::string_view unit, const std::string& class_name);

}  // namespace vornic
