// The entries of list values and the output of long lists for the writers.
#include "extended/list_entries.h"

#include <string>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "form/text_list.h"

namespace vornic {

const TextList& ListEntries(const Control& control, std::string_view property) {
  static const TextList kNone;
  const FormProperty* list = control.object.Find(property);
  if (list == nullptr || list->shape != FormProperty::Shape::kList) return kNone;
  return list->entries;
}

EntryAt EntriesOf(const TextList& entries) {
  return [&entries](size_t index) { return entries[index]; };
}

ListOutput ListOutputOf(FormWriter& writer) {
  return ListOutput(writer.program(),
                    [&writer](const std::string& name) { return writer.TakeIdentifier(name); });
}

}  // namespace vornic
