// ControlWriter: how the extended translation writes the objects of one
// class. The writer walks the form tree in the file's order; each object of a
// class the class table knows gets a ControlWriter of its own.
#pragma once

#include <memory>
#include <string>

#include "lib/box.h"

namespace vornic {

class FormWriter;
struct Control;

/// Writes one object. Open runs at the object's turn, with all its values
/// known and before anything it holds; Close runs after everything it holds.
/// A container writes itself in Open, so that what it holds comes after it
/// in the program; most other controls write in Close. State kept from Open
/// to Close lives in the writer object.
class ControlWriter {
 public:
  virtual ~ControlWriter() = default;

  virtual void Open(FormWriter& /*writer*/, Control& /*control*/) {}
  virtual void Close(FormWriter& /*writer*/, Control& /*control*/) {}
  /// Hears of the window `name`, written somewhere inside the object at
  /// `box` (in the main window), for a holder that moves what it holds once
  /// the program runs.
  virtual void HoldWindow(const std::string& /*name*/, const Box& /*box*/) {}
};

/// Makes the writer of one object; a class table row names one per class.
using WriterFactory = std::unique_ptr<ControlWriter> (*)();

}  // namespace vornic
