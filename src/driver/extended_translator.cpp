// The extended translation: the whole form read into a tree, then written.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "builder/program_names.h"
#include "driver/console_messages.h"
#include "driver/file_names.h"
#include "driver/translator.h"
#include "extended/class_table.h"
#include "extended/event_helpers.h"
#include "extended/form_writer.h"
#include "form/form_reader.h"
#include "form/form_texts.h"
#include "form/references.h"
#include "input/line_reports.h"
#include "output/program_text.h"
#include "project/project_forms.h"

namespace vornic {

namespace {

// The name by which a warning names an object: the form's, or its class's
// for an object without one.
std::string NameOf(const FormObject& object) {
  return object.name.empty() ? object.class_name : object.name;
}

class ExtendedTranslator final : public Translator {
 public:
  ExtendedTranslator(const std::string& text_name, const std::string& output_name,
                     ClassAliases aliases, FormProject project, int code_page,
                     EventOptions events)
      : project_(std::move(project)),
        code_page_(code_page),
        classes_(std::move(aliases)),
        reader_(text_name, classes_),
        // Taken first, so that no control's variable hides the program's name.
        program_(TakeProgramName(names_, output_name, events.enabled), true),
        writer_(program_, names_, classes_, OutputBaseNameFor(output_name), std::move(events)) {}

  FormTextSink& text() override { return reader_; }

  void Finish() override {
    reader_.Finish();
    tree_ = reader_.TakeTree();
    if (project_.forms != nullptr) tree_ = project_.forms->Complete(std::move(tree_), project_.form_file);
    // Every writer copies characters from here on, whatever the bytes were.
    DecodeFormTexts(tree_, code_page_);
    // Writers follow references to objects anywhere in the form; a name the
    // form does not hold leaves its reference unset, and the user is told
    // where it matters: on an object the translation writes by its class.
    for (const UnresolvedReference& lost : ResolveReferences(tree_)) {
      if (lost.object->parent != nullptr && classes_.RowFor(*lost.object) == nullptr) continue;
      writer_.Warn(*lost.object, lost.property->line,
                   lost.property->name + " of " + NameOf(*lost.object) + " names " +
                       lost.property->value +
                       ", which this form does not hold: it is written without it");
    }
    writer_.Write(tree_);
  }

  const TSDPR& program() const override { return program_; }
  TSDPR& program() override { return program_; }
  FileReplacement* script() override { return writer_.bitmaps().script(); }

  std::vector<std::string> warnings() const override {
    std::vector<std::string> reports;
    // What putting the form together found comes before what writing it did.
    for (const auto* list : {&tree_.warnings, &writer_.warnings()}) {
      for (const FormWarning& warning : *list) {
        reports.push_back(
            LineWarningReport(tree_.files[warning.source], warning.line, warning.text));
      }
    }
    for (const UnmappedClass& unmapped : writer_.unmapped()) {
      reports.push_back(UnmappedClassReport(unmapped.class_name, unmapped.count));
    }
    return reports;
  }

  int control_count() const override { return writer_.control_count(); }
  const FormTree* form() const override { return &tree_; }

  const EventHandlers* handlers() const override {
    return writer_.events().included() ? &writer_.events().handlers() : nullptr;
  }

 private:
  static std::string TakeProgramName(ProgramNames& names, const std::string& output_name,
                                     bool events) {
    names.ReserveExtendedIdentifiers();
    if (events) names.ReserveIdentifiers(EventIdentifiers());
    return names.Take(ProgramNameFor(output_name));
  }

  FormProject project_;
  const int code_page_;
  ClassTable classes_;
  FormReader reader_;
  ProgramNames names_;
  TSDPR program_;
  FormWriter writer_;
  FormTree tree_;
};

}  // namespace

std::unique_ptr<Translator> MakeExtendedTranslator(const std::string& text_name,
                                                   const std::string& output_name,
                                                   ClassAliases aliases, FormProject project,
                                                   int code_page, EventOptions events) {
  return std::make_unique<ExtendedTranslator>(text_name, output_name, std::move(aliases),
                                              std::move(project), code_page, std::move(events));
}

}  // namespace vornic
