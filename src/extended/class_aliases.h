// ClassAliases: classes that the extended translation writes as another
// class: the data-aware controls of the standard library and the controls of
// other libraries built in, and the families a user names in a class file.
//
// A class file holds one alias a line, "TMyButton = TButton": the class as
// forms name it, "=", and the class it is translated as. Text from "#" to the
// end of a line is a comment; blank lines are allowed.
#pragma once

#include <istream>
#include <string>
#include <unordered_map>

namespace vornic {

struct ClassAlias {
  std::string target;      // the class translated in its place, in capitals
  bool from_file = false;  // named by the user, so it wins over the class table
  // A stand-in for a class of another library: a value the standard class
  // cannot hold leaves the object out instead of failing the form.
  bool guessed = false;
  int line = 0;  // of the class file that named it
};

/// The standard class that `upper_class` (in capitals) is taken for by the
/// end of its name ("TRZBITBTN" gives "TBITBTN"), empty when no ending fits.
std::string ClassByEnding(const std::string& upper_class);

class ClassAliases {
 public:
  /// The built-in aliases of the data-aware controls and of the controls of
  /// other libraries (LibraryClasses).
  ClassAliases();

  /// Adds the aliases of a class file read from `text`. Throws EParserError
  /// "<file_name>(<line>): <what is wrong>" for the first bad line: longer
  /// than a line of form text may be (reading stops there), not of the form
  /// "Class = Class", a name that is no identifier, a class given another
  /// target before, or an alias that leads back to its own class. A text
  /// that cannot be read throws EInOutError "Cannot read file <file_name>:
  /// <reason>".
  void ReadClassFile(std::istream& text, const std::string& file_name);

  /// The alias of `upper_class` (in capitals), nullptr when it has none.
  const ClassAlias* Find(const std::string& upper_class) const;
  /// The number of aliases: no chain of them is longer.
  size_t size() const { return aliases_.size(); }

 private:
  /// Adds one line's alias; `name` and `target` as the line writes them.
  void AddFromFile(const std::string& name, const std::string& target, int line,
                   const std::string& where);

  std::unordered_map<std::string, ClassAlias> aliases_;  // by class in capitals
};

}  // namespace vornic
