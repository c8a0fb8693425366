// TIImage: the bitmap registry. Collects one image's or bit button's inline
// bitmap data and appends it to the resource script as a BITMAP entry.
#pragma once

#include <fstream>
#include <string>

#include "lib/dictionary.h"

namespace vornic {

/// The generators fill the public fields while one object is read and call
/// WriteBitmap at its end. All entries of a run go into one script file,
/// created at the first write and appended to afterwards.
class TIImage {
 public:
  TIImage() = default;
  TIImage(const TIImage&) = delete;
  TIImage& operator=(const TIImage&) = delete;

  /// True when the name and the four geometry texts are all set; also stored in Complete.
  bool IsComplete();
  /// Empties the five texts, Complete and DataLines; the script stays as it is.
  void Reset();
  /// Appends one "BMP_<name> BITMAP" entry built from DataLines, dropping
  /// `skip` characters from the front of the first line. Throws EInOutError
  /// when the script cannot be created or written.
  void WriteBitmap(int skip);

  bool ScriptPending = true;  // the script file has not been created in this run
  std::string ControlName;
  std::string Left;
  std::string Top;
  std::string Width;
  std::string Height;
  bool Complete = false;
  TIDictonary DataLines;       // the hexadecimal data lines, in form-text order
  std::string ScriptBaseName;  // script file name without ".rc"

 private:
  std::ofstream ScriptFile;
};

}  // namespace vornic
