// Lists written as data (extended/list_data.h) by the writers over the form
// tree: their arrays go into the writer's program under its names.
#pragma once

#include <string>

#include "extended/list_data.h"
#include "extended/form_writer.h"

namespace vornic {

/// Where the lists that `writer` writes as data go. The result borrows
/// `writer`, which must outlive it.
inline ListOutput ListOutputOf(FormWriter& writer) {
  return ListOutput(writer.program(),
                    [&writer](const std::string& name) { return writer.TakeIdentifier(name); });
}

}  // namespace vornic
