// Image lists and item images of list views and tree views.
#include "extended/item_images.h"

#include <utility>

#include "extended/control.h"
#include "extended/form_writer.h"
#include "extended/item_data.h"

namespace vornic {

namespace {

// A state image's number fits the four bits of an item's state.
int FittingState(int number) { return number > 0 && number < 16 ? number : 0; }

}  // namespace

std::string ImageListLine(const std::string& window, const std::string& message,
                          const std::string& which, const std::string& list) {
  return "\r\n  SendMessageW(" + window + "," + message + "," + which + ",LParam(" + list + "));";
}

std::string ItemImage(int index) { return index < 0 ? "I_IMAGENONE" : std::to_string(index); }

std::string ItemState(int number) { return number == 0 ? "0" : std::to_string(number) + " shl 12"; }

ViewImageLists ViewImageListsOf(FormWriter& writer, const Control& control) {
  return {writer.ImagesOf(control.object, "LargeImages"),
          writer.ImagesOf(control.object, "SmallImages"),
          writer.ImagesOf(control.object, "StateImages")};
}

std::string ViewImageListLines(const ViewImageLists& lists, const std::string& name) {
  std::string text;
  const std::pair<const std::string*, const char*> kinds[] = {
      {&lists.large, "LVSIL_NORMAL"}, {&lists.small, "LVSIL_SMALL"}, {&lists.state, "LVSIL_STATE"}};
  for (const auto& [list, which] : kinds) {
    if (!list->empty()) text += ImageListLine(name, "LVM_SETIMAGELIST", which, *list);
  }
  return text;
}

// A list view's state images count from 1, the form's from 0.
int ViewStateNumber(const StoredItem& item) { return FittingState(item.state_image + 1); }

std::string ItemImageLine(const StoredItem& item, const ViewImageLists& lists) {
  std::string text;
  if (lists.images()) text += " ListItem.iImage := " + ItemImage(item.image) + ";";
  if (lists.states()) text += " ListItem.state := " + ItemState(ViewStateNumber(item)) + ";";
  return text.empty() ? "" : "\r\n " + text;
}

TreeImageLists TreeImageListsOf(FormWriter& writer, const Control& control) {
  return {writer.ImagesOf(control.object), writer.ImagesOf(control.object, "StateImages")};
}

std::string TreeImageListLines(const TreeImageLists& lists, const std::string& name) {
  std::string text;
  if (lists.images()) text += ImageListLine(name, "TVM_SETIMAGELIST", "TVSIL_NORMAL", lists.normal);
  if (lists.states()) text += ImageListLine(name, "TVM_SETIMAGELIST", "TVSIL_STATE", lists.state);
  return text;
}

// A tree's state images count from 1 as the form's do: image 0 of the list
// is never shown.
int TreeStateNumber(const StoredNode& node) { return FittingState(node.state_image); }

std::string NodeImageLine(const StoredNode& node, const TreeImageLists& lists) {
  std::string text;
  if (lists.images()) {
    text += " TreeInsert.item.iImage := " + ItemImage(node.image) +
            "; TreeInsert.item.iSelectedImage := " + ItemImage(node.selected_image) + ";";
  }
  if (lists.states()) {
    text += " TreeInsert.item.state := " + ItemState(TreeStateNumber(node)) + ";";
  }
  return text.empty() ? "" : "\r\n " + text;
}

}  // namespace vornic
