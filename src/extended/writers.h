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
std::unique_ptr<ControlWriter> NewFrameWriter();
std::unique_ptr<ControlWriter> NewProgressBarWriter();
std::unique_ptr<ControlWriter> NewStatusBarWriter();
std::unique_ptr<ControlWriter> NewTrackBarWriter();
std::unique_ptr<ControlWriter> NewShapeWriter();
std::unique_ptr<ControlWriter> NewBevelWriter();
std::unique_ptr<ControlWriter> NewSplitterWriter();
std::unique_ptr<ControlWriter> NewStaticTextWriter();
std::unique_ptr<ControlWriter> NewScrollBarWriter();
std::unique_ptr<ControlWriter> NewHotKeyWriter();
std::unique_ptr<ControlWriter> NewDateTimePickerWriter();
std::unique_ptr<ControlWriter> NewMonthCalendarWriter();
std::unique_ptr<ControlWriter> NewUpDownWriter();
std::unique_ptr<ControlWriter> NewSpinEditWriter();
std::unique_ptr<ControlWriter> NewLabeledEditWriter();
std::unique_ptr<ControlWriter> NewPageControlWriter();
std::unique_ptr<ControlWriter> NewTabSheetWriter();
std::unique_ptr<ControlWriter> NewMainMenuWriter();
std::unique_ptr<ControlWriter> NewMenuItemWriter();
std::unique_ptr<ControlWriter> NewImageWriter();
std::unique_ptr<ControlWriter> NewBitButtonWriter();
std::unique_ptr<ControlWriter> NewSpeedButtonWriter();
std::unique_ptr<ControlWriter> NewToolBarWriter();
std::unique_ptr<ControlWriter> NewToolButtonWriter();
std::unique_ptr<ControlWriter> NewListBoxWriter();
std::unique_ptr<ControlWriter> NewComboBoxWriter();
std::unique_ptr<ControlWriter> NewMemoWriter();
std::unique_ptr<ControlWriter> NewRadioGroupWriter();
std::unique_ptr<ControlWriter> NewCheckListBoxWriter();
std::unique_ptr<ControlWriter> NewColorBoxWriter();
std::unique_ptr<ControlWriter> NewComboBoxExWriter();
std::unique_ptr<ControlWriter> NewRichEditWriter();
std::unique_ptr<ControlWriter> NewMaskEditWriter();
std::unique_ptr<ControlWriter> NewListViewWriter();
std::unique_ptr<ControlWriter> NewTreeViewWriter();
std::unique_ptr<ControlWriter> NewGridWriter();
std::unique_ptr<ControlWriter> NewTabControlWriter();

// A visual control of a class that nothing translates.
std::unique_ptr<ControlWriter> NewPlaceholderWriter();

}  // namespace vornic
