// The items that list views and tree views store in a binary property:
// "Items.Data" (one byte a character) and "Items.ItemData" / "Items.NodeData"
// (two bytes a character, little-endian).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornic {

/// A node of a tree view, in the order the tree shows them when expanded.
/// Image indexes are the form's: -1 for none.
struct StoredNode {
  int depth = 0;  // 0 for a node at the root
  std::u16string text;
  int image = -1;
  int selected_image = -1;  // shown while the node is selected
  int state_image = -1;
};

/// An item of a list view with the texts of its further columns.
struct StoredItem {
  std::u16string caption;
  std::vector<std::u16string> sub_items;
  int image = -1;
  int state_image = -1;
};

/// The nodes that `data` holds; empty when its bytes follow none of the
/// known layouts to the last byte. `wide`: two bytes a character.
std::optional<std::vector<StoredNode>> DecodeStoredNodes(std::string_view data, bool wide);

/// The items that `data` holds, as for DecodeStoredNodes.
std::optional<std::vector<StoredItem>> DecodeStoredItems(std::string_view data, bool wide);

/// `text` as an Object Pascal string literal: printable ASCII in quotes,
/// every other code unit as #$ and four hexadecimal digits (WideLiteral).
std::string PascalLiteral(std::u16string_view text);

}  // namespace vornic
