// The writers of the extended translation's classes, one factory per class,
// each defined in the writer file of its class; the class table names them.
#pragma once

#include "extended/control_writer.h"

namespace vornic {

std::unique_ptr<ControlWriter> NewMainWindow();
std::unique_ptr<ControlWriter> NewLabel();
std::unique_ptr<ControlWriter> NewEdit();

}  // namespace vornic
