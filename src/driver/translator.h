// Translator: the translation a run makes, exact or extended, chosen once by
// the driver: where the form text goes, and what the run reports and writes
// once it is translated.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "extended/class_aliases.h"
#include "extended/event_wiring.h"

namespace vornic {

class EventHandlers;
class FileReplacement;
class FormTextSink;
class ProjectForms;
class TSDPR;
struct FormTree;

/// Which translation a run makes: the exact one, byte for byte as documented,
/// or the extended one, which makes the window look and behave like the form.
enum class Translation { kExact, kExtended };

class Translator {
 public:
  virtual ~Translator() = default;

  /// Where the form text goes, in pieces, as it is read or converted.
  virtual FormTextSink& text() = 0;
  /// Ends the text and writes the program's sections; throws EParserError
  /// "[Error] file(N): line" for a line that cannot be translated.
  virtual void Finish() = 0;
  /// The program written.
  virtual const TSDPR& program() const = 0;
  virtual TSDPR& program() = 0;
  /// The resource script, nullptr when the form holds no bitmap.
  virtual FileReplacement* script() = 0;
  /// The warnings about the form, each a whole report line.
  virtual std::vector<std::string> warnings() const = 0;
  /// The controls written, the main window not included.
  virtual int control_count() const = 0;
  /// The form as translated, its ancestors and frames merged in; nullptr
  /// for a translation that reads no tree.
  virtual const FormTree* form() const { return nullptr; }
  /// The handlers the program calls from its handler file; nullptr when it
  /// includes none.
  virtual const EventHandlers* handlers() const { return nullptr; }
};

/// Where the extended translation finds what other files of the project
/// define of a form: its ancestors and frames.
struct FormProject {
  ProjectForms* forms = nullptr;  // nullptr: the form is translated alone
  std::string form_file;          // the form file as given; its unit and relatives lie beside it
};

/// The translation the documented rules describe, byte for byte, of the text
/// `text_name` into the program file `output_name`.
std::unique_ptr<Translator> MakeExactTranslator(const std::string& text_name,
                                                const std::string& output_name);

/// The translation that makes the window look and behave like the form:
/// the whole form read into a tree first and put together with what
/// `project` finds of it, the classes of `aliases` written as the classes
/// they name, the raw bytes of its texts read in `code_page` (0: as the form
/// says, see DecodeFormTexts), the events wired as `events` says.
std::unique_ptr<Translator> MakeExtendedTranslator(const std::string& text_name,
                                                   const std::string& output_name,
                                                   ClassAliases aliases,
                                                   FormProject project = {}, int code_page = 0,
                                                   EventOptions events = {});

}  // namespace vornic
