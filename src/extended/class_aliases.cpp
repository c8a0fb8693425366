// The built-in aliases and the reading of class files.
#include "extended/class_aliases.h"

#include <cerrno>
#include <string>
#include <string_view>

#include "builder/value_checks.h"
#include "extended/library_classes.h"
#include "input/form_format.h"
#include "lib/errors.h"
#include "lib/text.h"

namespace vornic {

namespace {

// The data-aware controls look like the control they extend; the field
// they show is not known to the form, so they show what it stores.
constexpr const char* kDataAware[][2] = {
    {"TDBEDIT", "TEDIT"},
    {"TDBTEXT", "TLABEL"},
    {"TDBMEMO", "TMEMO"},
    {"TDBCHECKBOX", "TCHECKBOX"},
    {"TDBCOMBOBOX", "TCOMBOBOX"},
    {"TDBLOOKUPCOMBOBOX", "TCOMBOBOX"},
    {"TDBLISTBOX", "TLISTBOX"},
    {"TDBLOOKUPLISTBOX", "TLISTBOX"},
    {"TDBRADIOGROUP", "TRADIOGROUP"},
    {"TDBIMAGE", "TIMAGE"},
    {"TDBRICHEDIT", "TRICHEDIT"},
    {"TDBGRID", "TSTRINGGRID"},
};

// Other libraries name their variants of a standard control after it
// (TRzButton, TPatternEdit, TDateComboBox): a class that nothing else names
// is taken for the standard class its name ends in. Longer endings come
// first, so that TRzBitBtn is a bit button and not a button.
constexpr const char* kEndings[][2] = {
    {"DATETIMEPICKER", "TDATETIMEPICKER"},
    {"CHECKGROUP", "TRADIOGROUP"},
    {"TABCONTROL", "TTABCONTROL"},
    {"NAVIGATOR", "TPANEL"},
    {"CHECKLISTBOX", "TCHECKLISTBOX"},
    {"RADIOBUTTON", "TRADIOBUTTON"},
    {"SPEEDBUTTON", "TSPEEDBUTTON"},
    {"PAGECONTROL", "TPAGECONTROL"},
    {"PROGRESSBAR", "TPROGRESSBAR"},
    {"RADIOGROUP", "TRADIOGROUP"},
    {"STATICTEXT", "TSTATICTEXT"},
    {"CHECKBOX", "TCHECKBOX"},
    {"GROUPBOX", "TGROUPBOX"},
    {"COMBOBOX", "TCOMBOBOX"},
    {"SCROLLBOX", "TSCROLLBOX"},
    {"STATUSBAR", "TSTATUSBAR"},
    {"TABSHEET", "TTABSHEET"},
    {"TRACKBAR", "TTRACKBAR"},
    {"SPLITTER", "TSPLITTER"},
    {"TREEVIEW", "TTREEVIEW"},
    {"LISTVIEW", "TLISTVIEW"},
    {"MASKEDIT", "TMASKEDIT"},
    {"RICHEDIT", "TRICHEDIT"},
    {"SPINEDIT", "TSPINEDIT"},
    {"LISTBOX", "TLISTBOX"},
    {"TOOLBAR", "TTOOLBAR"},
    {"BUTTON", "TBUTTON"},
    {"DBTEXT", "TLABEL"},
    {"BITBTN", "TBITBTN"},
    {"SLIDER", "TTRACKBAR"},
    {"TABSET", "TTABCONTROL"},
    {"COMBO", "TCOMBOBOX"},
    {"LABEL", "TLABEL"},
    {"PANEL", "TPANEL"},
    {"SHAPE", "TSHAPE"},
    {"GAUGE", "TPROGRESSBAR"},
    {"BEVEL", "TBEVEL"},
    {"IMAGE", "TIMAGE"},
    {"GRID", "TSTRINGGRID"},
    {"EDIT", "TEDIT"},
    {"MEMO", "TMEMO"},
    {"BTN", "TBUTTON"},
};

// Without blanks, tabs and CR at either end.
std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Reads the next line into `line`, without its LF and a CR before that;
// false at the end of the text. A line longer than form text may hold is
// left unread behind its first kMaxTextLine + 1 bytes and marked too long, so
// that a file without line ends (a device of zeros) is not read whole.
bool ReadLine(std::istream& text, std::string& line, bool& too_long) {
  line.clear();
  too_long = false;
  char c;
  bool any = false;
  while (text.get(c)) {
    any = true;
    if (c == '\n') break;
    line += c;
    // One byte more than the limit: a CR that ends the line may stand there.
    if (line.size() > form::kMaxTextLine + 1) break;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  too_long = line.size() > form::kMaxTextLine;
  return any;
}

std::string Where(const std::string& file_name, int line) {
  return file_name + "(" + std::to_string(line) + "): ";
}

}  // namespace

ClassAliases::ClassAliases() {
  for (const auto& [name, target] : kDataAware)
    aliases_[name] = ClassAlias{target, false, false, 0};
  for (const LibraryClass& row : LibraryClasses()) {
    aliases_[row.name] = ClassAlias{row.standard, false, true, 0};
  }
}

void ClassAliases::ReadClassFile(std::istream& text, const std::string& file_name) {
  std::string line;
  bool too_long = false;
  for (int number = 1; ReadLine(text, line, too_long); ++number) {
    const std::string where = Where(file_name, number);
    if (too_long) {
      throw EParserError(where + "the line is longer than " + std::to_string(form::kMaxTextLine) +
                         " bytes");
    }
    // A byte order mark is no part of the first class name.
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    const std::string content = Trimmed(line.substr(0, line.find('#')));
    if (content.empty()) continue;
    const size_t equals = content.find('=');
    if (equals == std::string::npos || content.find('=', equals + 1) != std::string::npos) {
      throw EParserError(where + "expected \"TMyClass = TClass\", got \"" + content + "\"");
    }
    AddFromFile(Trimmed(content.substr(0, equals)), Trimmed(content.substr(equals + 1)), number,
                where);
  }
  if (text.bad()) throw EInOutError(CannotReadFile(file_name, SystemReason(errno)));
}

void ClassAliases::AddFromFile(const std::string& name, const std::string& target, int line,
                               const std::string& where) {
  for (const std::string* word : {&name, &target}) {
    if (!IsIdentifier(*word)) {
      throw EParserError(where + "'" + *word + "' is not a class name");
    }
  }
  const std::string upper = UpperText(name);
  const std::string upper_target = UpperText(target);
  const auto found = aliases_.find(upper);
  if (found != aliases_.end() && found->second.from_file) {
    if (found->second.target == upper_target) return;
    throw EParserError(where + name + " = " + target + ": " + name + " is already given on line " +
                       std::to_string(found->second.line));
  }
  // Earlier lines lead nowhere circular, so only this one can close a circle.
  std::string next = upper_target;
  for (size_t hops = 0; hops <= aliases_.size(); ++hops) {
    if (next == upper) {
      throw EParserError(where + name + " = " + target + " leads back to " + name);
    }
    const ClassAlias* alias = Find(next);
    if (alias == nullptr) break;
    next = alias->target;
  }
  aliases_[upper] = ClassAlias{upper_target, true, false, line};
}

std::string ClassByEnding(const std::string& upper_class) {
  for (const auto& [ending, target] : kEndings) {
    const std::string_view name(upper_class);
    if (name.size() > std::string_view(ending).size() && name.ends_with(ending)) return target;
  }
  return "";
}

const ClassAlias* ClassAliases::Find(const std::string& upper_class) const {
  const auto found = aliases_.find(upper_class);
  return found == aliases_.end() ? nullptr : &found->second;
}

}  // namespace vornic
