// What the writers of lists share: the entries of a list value as the form
// writes them, and where a long list is declared as data.
#pragma once

#include <string_view>

#include "controls/list_data.h"

namespace vornic {

class FormWriter;
class TextList;
struct Control;

/// The entries of the list value `property` of `control`, each as written;
/// none when it stores no such list.
const TextList& ListEntries(const Control& control, std::string_view property);
/// The entries of `entries`, from 0.
EntryAt EntriesOf(const TextList& entries);
/// The program and the names of `writer`, for the arrays of a long list.
ListOutput ListOutputOf(FormWriter& writer);

}  // namespace vornic
