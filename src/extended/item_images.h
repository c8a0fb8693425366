// The images of the items of list views, tree views and extended combo boxes:
// the image lists a control is given, and an item's stored indexes as the
// system's controls take them.
#pragma once

#include <string>

namespace vornic {

class FormWriter;
struct Control;
struct StoredItem;
struct StoredNode;

/// The line that gives the control `window` the image list `list` with
/// `message` (LVM_SETIMAGELIST ...) for the kind `which` (LVSIL_SMALL ...).
std::string ImageListLine(const std::string& window, const std::string& message,
                          const std::string& which, const std::string& list);

/// The form's image `index` as an item takes it: an item without an image
/// (a negative index) gets I_IMAGENONE, as -1 would make the control ask
/// the main window for its image.
std::string ItemImage(int index);

/// The state image `number` as the top four bits of an item's state (0 for
/// none).
std::string ItemState(int number);

/// The image lists a list view shows (large icons, small icons, state
/// images), each the list's variable, empty when it has none.
struct ViewImageLists {
  std::string large;
  std::string small;
  std::string state;

  bool any() const { return !large.empty() || !small.empty() || !state.empty(); }
  /// Whether its items show an image of their own.
  bool images() const { return !large.empty() || !small.empty(); }
  bool states() const { return !state.empty(); }
};

/// The image lists the list view `control` names, built on first request.
ViewImageLists ViewImageListsOf(FormWriter& writer, const Control& control);
/// The lines that give the list view `name` its image lists.
std::string ViewImageListLines(const ViewImageLists& lists, const std::string& name);
/// The state image number (from 1; 0 for none) of a list view's `item`.
int ViewStateNumber(const StoredItem& item);
/// The line that gives the item in ListItem its images; empty when the view
/// shows none.
std::string ItemImageLine(const StoredItem& item, const ViewImageLists& lists);

/// The image lists a tree view shows (images, state images), as for
/// ViewImageLists.
struct TreeImageLists {
  std::string normal;
  std::string state;

  bool any() const { return images() || states(); }
  bool images() const { return !normal.empty(); }
  bool states() const { return !state.empty(); }
};

/// The image lists the tree view `control` names, built on first request.
TreeImageLists TreeImageListsOf(FormWriter& writer, const Control& control);
/// The lines that give the tree view `name` its image lists.
std::string TreeImageListLines(const TreeImageLists& lists, const std::string& name);
/// The state image number (from 1; 0 for none) of a tree view's `node`.
int TreeStateNumber(const StoredNode& node);
/// The line that gives the node in TreeInsert its images; empty when the
/// tree shows none.
std::string NodeImageLine(const StoredNode& node, const TreeImageLists& lists);

}  // namespace vornic
