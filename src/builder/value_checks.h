// The checks a form value passes before a generator may copy it into the
// generated program, so that no form can smuggle code into the program.
#pragma once

#include <string>

namespace vornic {

struct LineWords;

struct ClassChecks;

/// Which generator the lines of an object go to, as far as the checks are concerned.
enum class CheckedObject {
  kNone,        // nothing of the object is written: no checks
  kMainWindow,  // the root object, whatever its class
  kControl,     // the generator of its class, if the class table has one
};

/// The checks of the lines of an object of `class_name`; nullptr when nothing
/// of the object is written. Resolved once per object line.
const ClassChecks* ChecksFor(CheckedObject object, const std::string& class_name);

/// Throws EConvertError when a value of `line` that the object's generator
/// stores and writes into the program is not of the kind the program expects:
/// the control's name, its integers, character sets and string literals, and the
/// entry or data line of the list or bitmap that `list_marker` names.
void CheckLineValues(const LineWords& line, const ClassChecks* checks,
                     const std::string& list_marker);

/// True for a letter, "_" or a byte from 128 up, then those or digits.
bool IsIdentifier(const std::string& text);
/// True for quoted runs (two quotes standing for one inside) and #codes up to
/// 65535, one after the other with nothing else.
bool IsStringLiteral(const std::string& text);

}  // namespace vornic
