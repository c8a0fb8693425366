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

/// An image list as the program builds it.
struct BuiltImageList {
  std::string variable;  // empty: the list shows no images
  int image_width = 0;
  int image_height = 0;
  int count = 0;
};

class ImageLists {
 public:
  /// The image list `list` in the program, declared and built on its first
  /// request; its variable is empty for a list that holds no images, and,
  /// with a warning on its first request, for one whose data is damaged.
  const BuiltImageList& Build(FormWriter& writer, const FormObject& list);

 private:
  std::unordered_map<const FormObject*, BuiltImageList> lists_;
};

}  // namespace vornic
