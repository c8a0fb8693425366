// Item data as the class library streams it. A tree: the number of root
// nodes, then each node depth first: its record size, the record (image
// indexes, the number of its children, a length byte, the text) and its
// children. A list: its size and item count, then each item's image indexes,
// number of further column texts, caption and those texts, each text a
// length byte and its characters; the image of each further text follows
// the item or all items, and the size at the start counts them or not.
// Versions differ in a leading version byte and in
// the fields before the length byte, so each known layout is tried, and a
// layout counts only when it explains every byte.
#include "extended/item_data.h"

#include <cstdint>

#include "form/text_value.h"

namespace vornic {

namespace {

// Little-endian reads that check the bytes left before each read.
class ByteCursor {
 public:
  explicit ByteCursor(std::string_view bytes) : bytes_(bytes) {}

  bool Skip(size_t count) {
    if (count > bytes_.size() - pos_) return false;
    pos_ += count;
    return true;
  }
  bool Int32(int32_t& value) {
    if (bytes_.size() - pos_ < 4) return false;
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = bits << 8 | Byte(pos_ + i);
    value = static_cast<int32_t>(bits);
    pos_ += 4;
    return true;
  }
  // A length byte and that many characters.
  bool Text(bool wide, std::u16string& text) {
    if (pos_ >= bytes_.size()) return false;
    const size_t length = Byte(pos_++);
    return Characters(length, wide, text);
  }
  bool Characters(size_t length, bool wide, std::u16string& text) {
    const size_t size = wide ? 2 : 1;
    if (length > (bytes_.size() - pos_) / size) return false;
    text.clear();
    for (size_t i = 0; i < length; ++i, pos_ += size) {
      text.push_back(static_cast<char16_t>(wide ? Byte(pos_) | Byte(pos_ + 1) << 8 : Byte(pos_)));
    }
    return true;
  }
  template <size_t N>
  bool Int32s(int32_t (&values)[N]) {
    for (int32_t& value : values) {
      if (!Int32(value)) return false;
    }
    return true;
  }
  uint8_t Byte(size_t at) const { return static_cast<uint8_t>(bytes_[at]); }
  size_t pos() const { return pos_; }
  size_t left() const { return bytes_.size() - pos_; }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

// Every layout starts a node's record with its image, selected image and
// state image index.
constexpr size_t kNodeImages = 3;

// Where a tree node's fields lie: `header` bytes before the text, the
// length byte last among them, the number of children at `children`.
struct NodeLayout {
  size_t prefix;  // bytes before the root count
  size_t header;
  size_t children;
};

constexpr NodeLayout kNarrowNodes[] = {{0, 25, 20}};
constexpr NodeLayout kWideNodes[] = {{0, 25, 20}, {1, 25, 20}, {1, 30, 20},
                                     {1, 30, 24}, {0, 30, 20}, {0, 30, 24}};

std::optional<std::vector<StoredNode>> NodesIn(std::string_view data, bool wide,
                                               const NodeLayout& layout) {
  ByteCursor in(data);
  int32_t roots = 0;
  if (!in.Skip(layout.prefix) || !in.Int32(roots) || roots < 0) return std::nullopt;
  std::vector<StoredNode> nodes;
  // The children still to read at each depth: a loop, not recursion, so
  // that no nesting in the data can exhaust the stack.
  std::vector<int32_t> unread{roots};
  while (!unread.empty()) {
    if (unread.back() == 0) {
      unread.pop_back();
      continue;
    }
    --unread.back();
    int32_t size = 0;
    if (!in.Int32(size) || size < 0 || static_cast<size_t>(size) < layout.header ||
        static_cast<size_t>(size) > in.left()) {
      return std::nullopt;
    }
    const size_t start = in.pos();
    ByteCursor record(data.substr(start, static_cast<size_t>(size)));
    int32_t children = 0;
    StoredNode node{static_cast<int>(unread.size()) - 1, u""};
    int32_t indexes[kNodeImages] = {};
    if (!record.Int32s(indexes) || !record.Skip(layout.children - record.pos()) ||
        !record.Int32(children) || children < 0 || !record.Skip(layout.header - 1 - record.pos()) ||
        !record.Text(wide, node.text) || record.left() != 0 ||
        !in.Skip(static_cast<size_t>(size))) {
      return std::nullopt;
    }
    // Each child takes at least its size and header.
    if (static_cast<size_t>(children) > in.left() / (4 + layout.header)) return std::nullopt;
    node.image = indexes[0];
    node.selected_image = indexes[1];
    node.state_image = indexes[2];
    nodes.push_back(std::move(node));
    if (children > 0) unread.push_back(children);
  }
  if (in.left() != 0) return std::nullopt;
  return nodes;
}

// Where the images of the further column texts lie, if anywhere.
enum class SubItemImages { kNone, kAfterEachItem, kAfterAllItems };

constexpr size_t kItemFields = 20;  // image, state and overlay index, text count, data
constexpr size_t kItemImages = 2;   // the image and state index lead
constexpr size_t kTextCountAt = 12;

std::optional<std::vector<StoredItem>> ItemsIn(std::string_view data, bool wide, size_t prefix,
                                               SubItemImages images) {
  ByteCursor in(data);
  int32_t size = 0;
  int32_t count = 0;
  if (!in.Skip(prefix) || !in.Int32(size) || !in.Int32(count) || count < 0 ||
      static_cast<size_t>(count) > in.left() / (kItemFields + 1)) {
    return std::nullopt;
  }
  std::vector<StoredItem> items;
  size_t image_count = 0;
  for (int32_t i = 0; i < count; ++i) {
    int32_t texts = 0;
    int32_t indexes[kItemImages] = {};
    StoredItem item;
    if (!in.Int32s(indexes) || !in.Skip(kTextCountAt - 4 * kItemImages) || !in.Int32(texts) ||
        texts < 0 || !in.Skip(kItemFields - kTextCountAt - 4) || !in.Text(wide, item.caption) ||
        static_cast<size_t>(texts) > in.left()) {
      return std::nullopt;
    }
    item.sub_items.resize(static_cast<size_t>(texts));
    for (std::u16string& text : item.sub_items) {
      if (!in.Text(wide, text)) return std::nullopt;
    }
    if (images == SubItemImages::kAfterEachItem && !in.Skip(4 * static_cast<size_t>(texts))) {
      return std::nullopt;
    }
    image_count += static_cast<size_t>(texts);
    item.image = indexes[0];
    item.state_image = indexes[1];
    items.push_back(std::move(item));
  }
  // The size counts the whole data, or all of it up to the images at its end.
  const size_t items_end = in.pos() - prefix;
  if (images == SubItemImages::kAfterAllItems && !in.Skip(4 * image_count)) return std::nullopt;
  if (in.left() != 0) return std::nullopt;
  const size_t total = in.pos() - prefix;
  if (static_cast<size_t>(size) != total && static_cast<size_t>(size) != items_end) {
    return std::nullopt;
  }
  return items;
}

}  // namespace

std::optional<std::vector<StoredNode>> DecodeStoredNodes(std::string_view data, bool wide) {
  if (wide) {
    for (const NodeLayout& layout : kWideNodes) {
      if (auto nodes = NodesIn(data, true, layout)) return nodes;
    }
    return std::nullopt;
  }
  for (const NodeLayout& layout : kNarrowNodes) {
    if (auto nodes = NodesIn(data, false, layout)) return nodes;
  }
  return std::nullopt;
}

std::optional<std::vector<StoredItem>> DecodeStoredItems(std::string_view data, bool wide) {
  for (size_t prefix : {0, 1}) {
    if (prefix == 1 && !wide) break;
    for (SubItemImages images :
         {SubItemImages::kNone, SubItemImages::kAfterEachItem, SubItemImages::kAfterAllItems}) {
      if (auto items = ItemsIn(data, wide, prefix, images)) return items;
    }
  }
  return std::nullopt;
}

std::string PascalLiteral(std::u16string_view text) { return WideLiteral(text); }

}  // namespace vornic
