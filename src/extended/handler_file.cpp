// The handler file's text: what it declares, and the stubs appended to it.
#include "extended/handler_file.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

#include "extended/event_handlers.h"
#include "lib/text.h"

namespace vornic {

namespace {

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// Reads the words of Pascal text, past comments, strings and symbols.
class WordReader {
 public:
  explicit WordReader(std::string_view text) : text_(text) {}

  /// The next word, in capitals when `upper`; empty at the end.
  std::string_view Next() {
    SkipToWord();
    const size_t start = at_;
    while (at_ < text_.size() && IsWordChar(text_[at_])) ++at_;
    return text_.substr(start, at_ - start);
  }
  /// The next character that is neither blank nor in a comment; '\0' at the end.
  char Peek() {
    SkipBlanks();
    return at_ < text_.size() ? text_[at_] : '\0';
  }

 private:
  void SkipBlanks() {
    while (at_ < text_.size()) {
      const std::string_view rest = text_.substr(at_);
      if (std::isspace(static_cast<unsigned char>(rest[0])) != 0) {
        ++at_;
      } else if (rest[0] == '{') {
        SkipPast("}", 1);
      } else if (rest.starts_with("(*")) {
        SkipPast("*)", 2);
      } else if (rest.starts_with("//")) {
        SkipPast("\n", 2);
      } else {
        return;
      }
    }
  }
  void SkipPast(std::string_view end, size_t opening) {
    const size_t found = text_.find(end, at_ + opening);
    at_ = found == std::string_view::npos ? text_.size() : found + end.size();
  }
  void SkipToWord() {
    while (Peek() != '\0' && !IsWordChar(text_[at_])) {
      if (text_[at_] == '\'') {
        SkipPast("'", 1);
      } else {
        ++at_;
      }
    }
  }

  std::string_view text_;
  size_t at_ = 0;
};

bool SameWord(std::string_view a, std::string_view b) {
  return UpperText(std::string(a)) == UpperText(std::string(b));
}

// "Button1.OnClick", or "actSave.OnExecute through Button1, mnuSave".
std::string UseText(const HandlerUse& use) {
  std::string text = use.source;
  for (size_t i = 0; i < use.through.size(); ++i) {
    text += (i == 0 ? " through " : ", ") + use.through[i];
  }
  return text;
}

std::string FileHeader(const std::string& program_file) {
  return "{ The handlers of the form's events, which " + program_file +
         " includes."
         "\r\n  This file is yours: vornic creates it once and afterwards only appends"
         "\r\n  the stubs of handlers that the form names and this file lacks. }\r\n";
}

}  // namespace

std::vector<DeclaredProcedure> DeclaredProcedures(std::string_view text) {
  std::vector<DeclaredProcedure> procedures;
  WordReader words(text);
  for (std::string_view word = words.Next(); !word.empty(); word = words.Next()) {
    if (!SameWord(word, "procedure") || !IsWordChar(words.Peek())) continue;
    const std::string_view name = words.Next();
    bool handler = false;
    if (words.Peek() == '(') {
      std::string_view first = words.Next();
      if (SameWord(first, "const") || SameWord(first, "var")) first = words.Next();
      handler = SameWord(first, "Sender");
    }
    procedures.push_back({std::string(name), handler});
  }
  return procedures;
}

std::string HandlerStub(const Handler& handler) {
  std::string uses;
  for (const HandlerUse& use : handler.uses) uses += (uses.empty() ? "" : ", ") + UseText(use);
  const std::string body =
      handler.clicks ? "\r\n  MessageBox(hWindow,'" + handler.name + "','Check',MB_OK);" : "";
  return "\r\n{ " + uses + " }\r\nprocedure " + handler.name + ParameterList(handler.parameters) +
         ";\r\nbegin" + body + "\r\nend;\r\n";
}

HandlerFileUpdate UpdateHandlerFile(const std::string* existing, const EventHandlers& handlers,
                                    const std::string& program_file) {
  HandlerFileUpdate update;
  std::unordered_set<std::string> declared;
  if (existing != nullptr) {
    update.text = *existing;
    for (const DeclaredProcedure& procedure : DeclaredProcedures(*existing)) {
      declared.insert(UpperText(procedure.name));
    }
  } else {
    update.text = FileHeader(program_file);
    update.changed = update.created = true;
  }
  std::unordered_set<std::string> called;
  for (const Handler& handler : handlers.all()) {
    called.insert(UpperText(handler.name));
    if (declared.contains(UpperText(handler.name))) continue;
    // The old bytes stay as they are; the stubs begin on a line of their own.
    if (!update.text.empty() && !update.text.ends_with('\n')) update.text += "\r\n";
    update.text += HandlerStub(handler);
    update.added.push_back(handler.name);
    update.changed = true;
  }
  if (existing != nullptr) {
    for (const DeclaredProcedure& procedure : DeclaredProcedures(*existing)) {
      // A forward declaration names it twice.
      if (procedure.handler && !called.contains(UpperText(procedure.name)) &&
          std::find(update.unused.begin(), update.unused.end(), procedure.name) ==
              update.unused.end()) {
        update.unused.push_back(procedure.name);
      }
    }
  }
  return update;
}

}  // namespace vornic
