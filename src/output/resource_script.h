// TIImage: the bitmap registry. Collects one image's or bit button's inline
// bitmap data and appends it to the resource script as a BITMAP entry.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "lib/dictionary.h"
#include "lib/file_replacement.h"

namespace vornic {

/// The generators fill the public fields while one object is read and call
/// WriteBitmap at its end. All entries of a run go into one script, written
/// into a temporary file from the first entry on; the driver puts it in
/// place (script()) once the whole run has succeeded.
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
  /// `skip` characters from the front of the first line. The first write of
  /// the run begins the script ScriptBaseName + ".rc" ("noname" stands in for
  /// an empty file-name part). Throws ERangeError when DataLines is empty
  /// (nothing is written then) and EInOutError "Cannot create file <script>"
  /// or "Cannot write file <script>".
  void WriteBitmap(int skip);
  /// Appends one "BMP_<name> BITMAP" entry holding the bytes of `bmp_file`
  /// (a whole BMP file, e.g. a decoded picture), in the lines WriteBitmap
  /// writes; creates or opens the script as WriteBitmap does.
  void WriteBitmapFile(std::string_view bmp_file);
  /// The script written so far, nullptr before the first entry.
  FileReplacement* script() { return script_.get(); }

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
  /// The data lines as one text, the skip and the closing brace removed.
  std::string JoinedData(int skip) const;
  /// Makes `entry` the whole entry for hexadecimal `data`, from "BMP_" to
  /// the empty line after "END".
  void ScriptEntry(std::string_view data, std::string& entry) const;
  /// Writes `entry` at the end of the script, creating the script on the first write.
  void AppendEntry(std::string_view entry);

  std::unique_ptr<FileReplacement> script_;  // from the first write to the end of the run
  std::string entry_;  // the entry being written, kept so that its storage serves the next
};

}  // namespace vornic
