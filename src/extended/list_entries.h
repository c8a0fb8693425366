// The entries of a list value as the form writes them, for the writers of
// lists; a long list goes where ListOutputOf (extended/list_output.h) says.
#pragma once

#include <string_view>

#include "extended/list_data.h"

namespace vornic {

class TextList;
struct Control;

/// The entries of the list value `property` of `control`, each as written;
/// none when it stores no such list.
const TextList& ListEntries(const Control& control, std::string_view property);
/// The entries of `entries`, from 0.
EntryAt EntriesOf(const TextList& entries);

}  // namespace vornic
