// The driver's extended translation without the file system.
#include "support/tree_translation.h"

#include "builder/program_names.h"
#include "extended/class_table.h"
#include "extended/form_writer.h"
#include "form/form_reader.h"
#include "form/references.h"
#include "lib/errors.h"
#include "output/program_text.h"

namespace vornic {

std::string WriteFormTree(const std::string& form, TSDPR& program, const std::string& base,
                          int& control_count) {
  ClassTable classes;
  ProgramNames names;
  names.ReserveExtendedIdentifiers();
  try {
    FormReader reader("form.txt", classes);
    reader.Add(form);
    reader.Finish();
    FormTree tree = reader.TakeTree();
    ResolveReferences(tree);
    FormWriter writer(program, names, classes, base);
    writer.Write(tree);
    control_count = writer.control_count();
  } catch (const EParserError& failure) {
    return failure.what();
  }
  program.Compose();
  return "";
}

}  // namespace vornic
