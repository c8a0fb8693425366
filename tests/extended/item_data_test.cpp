// Item data of list and tree views in the layouts the class library writes,
// built byte by byte here: whole, cut short at every byte, and with a byte
// too many.
#include "extended/item_data.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vornic {
namespace {

void PutInt(std::string& out, int32_t value) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<char>(static_cast<uint32_t>(value) >> (8 * i)));
}

// A length byte and the characters, one or two bytes each.
void PutText(std::string& out, const std::u16string& text, bool wide) {
  out.push_back(static_cast<char>(text.size()));
  for (char16_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    if (wide) out.push_back(static_cast<char>(c >> 8));
  }
}

struct Node {
  std::u16string text;
  std::vector<Node> children;
  int image = 0;
  int selected = 0;
  int state = -1;
};

// A node record: size, image indexes, `extra` more fields, data, the number
// of children, then the text; the older layout has no extra fields.
void PutNode(std::string& out, const Node& node, bool wide, bool newer) {
  std::string record;
  for (const int32_t index : {node.image, node.selected, node.state, -1}) PutInt(record, index);
  PutInt(record, 0);                                           // data
  PutInt(record, static_cast<int32_t>(node.children.size()));
  if (newer) {
    PutInt(record, -1);      // expanded image
    record.push_back('\1');  // enabled
  }
  PutText(record, node.text, wide);
  PutInt(out, static_cast<int32_t>(record.size()));
  out += record;
  for (const Node& child : node.children) PutNode(out, child, wide, newer);
}

std::string TreeData(const std::vector<Node>& roots, bool wide, bool newer) {
  std::string out = newer ? std::string("\3") : "";
  PutInt(out, static_cast<int32_t>(roots.size()));
  for (const Node& root : roots) PutNode(out, root, wide, newer);
  return out;
}

const std::vector<Node> kTree = {
    {u"Root", {{u"A", {{u"A1", {}}}}, {u"B", {}}}},
    {u"\u0416 Other", {}},
};

std::string Describe(const std::optional<std::vector<StoredNode>>& nodes) {
  if (!nodes) return "none";
  std::string text;
  for (const StoredNode& node : *nodes) {
    text += std::to_string(node.depth) + ":" + PascalLiteral(node.text) + " ";
  }
  return text;
}

struct Item {
  std::u16string caption;
  std::vector<std::u16string> sub_items;
  int image = 0;
  int state = -1;
};

std::string ListData(const std::vector<Item>& items, bool wide, bool version, bool images_last) {
  std::string body;
  int32_t images = 0;
  for (const Item& item : items) {
    PutInt(body, item.image);
    PutInt(body, item.state);
    PutInt(body, -1);  // overlay
    PutInt(body, static_cast<int32_t>(item.sub_items.size()));
    PutInt(body, 0);  // data
    PutText(body, item.caption, wide);
    for (const std::u16string& text : item.sub_items) PutText(body, text, wide);
    if (!images_last) {
      for (size_t i = 0; i < item.sub_items.size(); ++i) PutInt(body, -1);
    }
    images += static_cast<int32_t>(item.sub_items.size());
  }
  if (images_last) {
    for (int32_t i = 0; i < images; ++i) PutInt(body, -1);
  }
  std::string out = version ? std::string("\1") : "";
  PutInt(out, static_cast<int32_t>(8 + body.size()));
  PutInt(out, static_cast<int32_t>(items.size()));
  return out + body;
}

const std::vector<Item> kItems = {{u"abc", {u"x", u"it's"}}, {u"", {}}, {u"d", {u""}}};

std::string Describe(const std::optional<std::vector<StoredItem>>& items) {
  if (!items) return "none";
  std::string text;
  for (const StoredItem& item : *items) {
    text += PascalLiteral(item.caption);
    for (const std::u16string& sub_item : item.sub_items) text += "|" + PascalLiteral(sub_item);
    text += " ";
  }
  return text;
}

TEST(ItemDataTest, TreeNodesComeInOrderWithTheirDepth) {
  const std::string expected = "0:'Root' 1:'A' 2:'A1' 1:'B' 0:#$0416' Other' ";
  // The narrow layout writes the high byte away; only the wide ones keep it.
  EXPECT_EQ(Describe(DecodeStoredNodes(TreeData(kTree, false, false), false)),
            "0:'Root' 1:'A' 2:'A1' 1:'B' 0:#$0016' Other' ");
  EXPECT_EQ(Describe(DecodeStoredNodes(TreeData(kTree, true, false), true)), expected);
  EXPECT_EQ(Describe(DecodeStoredNodes(TreeData(kTree, true, true), true)), expected);
  EXPECT_EQ(Describe(DecodeStoredNodes(TreeData({}, false, false), false)), "");
}

TEST(ItemDataTest, ListItemsComeWithTheTextsOfTheirColumns) {
  const std::string expected = "'abc'|'x'|'it''s' '' 'd'|'' ";
  EXPECT_EQ(Describe(DecodeStoredItems(ListData(kItems, false, false, true), false)), expected);
  EXPECT_EQ(Describe(DecodeStoredItems(ListData(kItems, false, false, false), false)), expected);
  EXPECT_EQ(Describe(DecodeStoredItems(ListData(kItems, true, true, false), true)), expected);
  EXPECT_EQ(Describe(DecodeStoredItems(ListData(kItems, true, false, true), true)), expected);
}

// The image indexes lead each record in every layout.
TEST(ItemDataTest, ImageIndexesComeWithEveryNodeAndItem) {
  const std::vector<Node> tree = {{u"a", {{u"b", {}, -1, 3, 2}}, 4, 5, 1}, {u"c", {}, 7, -1, 0}};
  for (const auto& [wide, newer] : {std::pair{false, false}, {true, false}, {true, true}}) {
    const std::optional<std::vector<StoredNode>> nodes =
        DecodeStoredNodes(TreeData(tree, wide, newer), wide);
    ASSERT_TRUE(nodes) << wide << newer;
    std::string images;
    for (const StoredNode& node : *nodes) {
      images += std::to_string(node.image) + "/" + std::to_string(node.selected_image) + "/" +
                std::to_string(node.state_image) + " ";
    }
    EXPECT_EQ(images, "4/5/1 -1/3/2 7/-1/0 ") << wide << newer;
  }
  const std::vector<Item> list = {{u"a", {u"x"}, 2, 0}, {u"b", {}, -1, 3}};
  for (const auto& [wide, version, images_last] :
       {std::tuple{false, false, true}, {false, false, false}, {true, true, false}}) {
    const std::optional<std::vector<StoredItem>> items =
        DecodeStoredItems(ListData(list, wide, version, images_last), wide);
    ASSERT_TRUE(items) << wide << version << images_last;
    std::string images;
    for (const StoredItem& item : *items) {
      images += std::to_string(item.image) + "/" + std::to_string(item.state_image) + " ";
    }
    EXPECT_EQ(images, "2/0 -1/3 ") << wide << version << images_last;
  }
}

TEST(ItemDataTest, DataThatIsCutShortOrRunsOnGivesNothing) {
  const std::vector<std::pair<std::string, bool>> trees = {{TreeData(kTree, false, false), false},
                                                           {TreeData(kTree, true, true), true}};
  for (const auto& [data, wide] : trees) {
    for (size_t size = 0; size < data.size(); ++size) {
      EXPECT_FALSE(DecodeStoredNodes(data.substr(0, size), wide)) << size;
    }
    EXPECT_FALSE(DecodeStoredNodes(data + '\0', wide));
  }
  const std::vector<std::pair<std::string, bool>> lists = {
      {ListData(kItems, false, false, true), false}, {ListData(kItems, true, true, false), true}};
  for (const auto& [data, wide] : lists) {
    for (size_t size = 0; size < data.size(); ++size) {
      EXPECT_FALSE(DecodeStoredItems(data.substr(0, size), wide)) << size;
    }
    EXPECT_FALSE(DecodeStoredItems(data + '\0', wide));
  }
  // Counts far beyond the bytes are refused before anything is read.
  std::string huge;
  PutInt(huge, 0x7FFFFFFF);
  PutInt(huge, 0x7FFFFFFF);
  EXPECT_FALSE(DecodeStoredNodes(huge, false));
  EXPECT_FALSE(DecodeStoredItems(huge, true));
}

TEST(ItemDataTest, PascalLiteralsQuotePrintableTextAndCodeTheRest) {
  EXPECT_EQ(PascalLiteral(u""), "''");
  EXPECT_EQ(PascalLiteral(u"a b"), "'a b'");
  EXPECT_EQ(PascalLiteral(u"'"), "''''");
  EXPECT_EQ(PascalLiteral(u"x\r\ny"), "'x'#$000D#$000A'y'");
  EXPECT_EQ(PascalLiteral(u"\u00e9t\u00e9"), "#$00E9't'#$00E9");
  EXPECT_EQ(PascalLiteral(u"\uffff{"), "#$FFFF'{'");
  // A character above U+FFFF is its surrogate pair.
  EXPECT_EQ(PascalLiteral(u"\U0001F600"), "#$D83D#$DE00");
}

}  // namespace
}  // namespace vornic
