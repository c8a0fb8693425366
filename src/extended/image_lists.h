// ImageLists: the image lists of a form that the program builds, each once,
// when the first control that shows their images is written. An image list
// usually stands after the controls that use it, so the program builds them
// all as its main window is created, before any control exists.
#pragma once

#include <string>
#include <unordered_map>

namespace vornic {

class FormWriter;
struct FormObject;

class ImageLists {
 public:
  /// The variable of the image list `list` in the program, declared and
  /// built on its first request; empty for a list that holds no images, and,
  /// with a warning on its first request, for one whose data is damaged.
  std::string VariableOf(FormWriter& writer, const FormObject& list);

 private:
  std::unordered_map<const FormObject*, std::string> variables_;  // empty: none built
};

}  // namespace vornic
