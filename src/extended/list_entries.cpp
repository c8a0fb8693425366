// The entries of list values for the writers of lists.
#include "extended/list_entries.h"

#include "extended/control.h"
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

}  // namespace vornic
