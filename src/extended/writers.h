// The writers of the extended translation's classes, one factory per class,
// each defined in the writer file of its class; the class table names them.
#pragma once

#include "extended/control_writer.h"

namespace vornic {

std::unique_ptr<ControlWriter> NewMainWindowWriter();
std::unique_ptr<ControlWriter> NewLabelWriter();
std::unique_ptr<ControlWriter> NewEditWriter();
std::unique_ptr<ControlWriter> NewButtonWriter();
std::unique_ptr<ControlWriter> NewCheckBoxWriter();
std::unique_ptr<ControlWriter> NewGroupBoxWriter();
std::unique_ptr<ControlWriter> NewRadioButtonWriter();
std::unique_ptr<ControlWriter> NewPanelWriter();
std::unique_ptr<ControlWriter> NewScrollBoxWriter();
std::unique_ptr<ControlWriter> NewImageWriter();
std::unique_ptr<ControlWriter> NewBitButtonWriter();
std::unique_ptr<ControlWriter> NewSpeedButtonWriter();
std::unique_ptr<ControlWriter> NewToolBarWriter();
std::unique_ptr<ControlWriter> NewToolButtonWriter();

}  // namespace vornic
