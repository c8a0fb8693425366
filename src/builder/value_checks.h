// The checks a form value passes before a generator may copy it into the
// generated program, so that no form can smuggle code into the program.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {

struct LineWords;

/// What a checked value must be to stand in the program.
enum class ValueKind { kInteger, kCharset, kStringLiteral };

struct CheckedProperty {
  std::string_view name;  // a view, so that most names differ by length alone
  ValueKind kind;
};

using PropertyList = std::vector<CheckedProperty>;

/// Left, Top, Width and Height.
const PropertyList& GeometryValues();
/// The values the font registry writes into the CreateFont call.
const PropertyList& FontValues();
/// Min, Max and Position of a bar.
const PropertyList& RangeValues();
/// The lists one after the other.
PropertyList Joined(std::initializer_list<PropertyList> lists);

/// Which generator the lines of an object go to, as far as the checks are concerned.
enum class CheckedObject {
  kNone,        // nothing of the object is written: no checks
  kMainWindow,  // the root object, whatever its class
  kControl,     // the generator of its class, if the class table has one
};

/// What the lines of one object are checked against; resolved once per object
/// line. The lists are borrowed from tables that live as long as the program.
struct ObjectChecks {
  const PropertyList* properties = nullptr;  // the values its generator writes
  const PropertyList* extended = nullptr;    // values only the extended translation writes
  const PropertyList* inherited = nullptr;   // values objects inside it take over
  bool names_variable = false;               // the object name becomes a variable
};

/// True for the markers of lists of string entries ("lb_is", "cb_is",
/// "memo_is"), every line of which up to the closing ")" is an entry.
bool IsStringListMarker(std::string_view list_marker);

/// Throws EConvertError when a value of `line` that the object's generator
/// stores and writes into the program is not of the kind the program expects:
/// the control's name, its integers, character sets and string literals, and the
/// entry or data line of the list or bitmap that `list_marker` names.
void CheckLineValues(const LineWords& line, const ObjectChecks& checks,
                     const std::string& list_marker);

/// False where CheckLineValues would throw.
bool LineValuesFit(const LineWords& line, const ObjectChecks& checks,
                   const std::string& list_marker);

/// True for a letter, "_" or a byte from 128 up, then those or digits.
bool IsIdentifier(const std::string& text);
/// True for quoted runs (two quotes standing for one inside) and #codes up to
/// 65535, one after the other with nothing else.
bool IsStringLiteral(const std::string& text);

}  // namespace vornic
