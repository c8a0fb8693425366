// The images of list views, tree views, tab controls and extended combo boxes
// in the extended translation: each control with and without an image list,
// the items' own image and state indexes, and long lists that carry their
// images as data.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "extended/list_data.h"
#include "extended/writer_fixture.h"
#include "pictures/bitmap_file.h"
#include "pictures/byte_fields.h"
#include "support/picture_files.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

// `bytes` as the lines of a data value, closed by "}".
std::string DataLines(const std::string& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 32 == 0) text += "\n      ";
    text += kDigits[static_cast<uint8_t>(bytes[i]) >> 4];
    text += kDigits[static_cast<uint8_t>(bytes[i]) & 0xF];
  }
  return text + "}\n";
}

void Put32(std::string& bytes, int32_t value) { PutLittle32(bytes, static_cast<uint32_t>(value)); }

// An image list of three 4 x 4 images side by side, unmasked, as the
// designer stores it.
std::string ImageList(const std::string& name) {
  std::string bytes;
  for (const uint32_t field : {0x4C49u, 0x0101u, 3u, 4u, 4u, 4u, 4u}) PutLittle16(bytes, field);
  PutLittle32(bytes, 0xFFFFFFFF);
  PutLittle16(bytes, 0x10FE);
  bytes.append(8, '\xFF');
  std::string sheet = EncodeBmpFile(PaintRaster(12, 4, [](int x, int) {
    return Rgba{uint8_t(x * 20), 90, 200};
  }));
  sheet.replace(2, 4, std::string("\x36\0\0\0", 4));  // the size counts the headers only
  return "  object " + name + ": TImageList\n    Bitmap = {" + DataLines(bytes + sheet) + "  end\n";
}

// List items as the class library streams them: image, state, caption.
struct Item {
  int image;
  int state;
  std::string caption;
};

std::string ListItems(const std::vector<Item>& items) {
  std::string body;
  for (const Item& item : items) {
    for (const int32_t field : {item.image, item.state, -1, 0, 0}) Put32(body, field);
    body += static_cast<char>(item.caption.size()) + item.caption;
  }
  std::string bytes;
  Put32(bytes, static_cast<int32_t>(8 + body.size()));
  Put32(bytes, static_cast<int32_t>(items.size()));
  return "    Items.Data = {" + DataLines(bytes + body);
}

// Tree nodes, each at the root: image, selected image, state, text.
struct Node {
  int image;
  int selected;
  int state;
  std::string text;
};

std::string TreeNodes(const std::vector<Node>& nodes) {
  std::string bytes;
  Put32(bytes, static_cast<int32_t>(nodes.size()));
  for (const Node& node : nodes) {
    Put32(bytes, static_cast<int32_t>(25 + node.text.size()));
    for (const int32_t field : {node.image, node.selected, node.state, -1, 0, 0}) {
      Put32(bytes, field);
    }
    bytes += static_cast<char>(node.text.size()) + node.text;
  }
  return "    Items.Data = {" + DataLines(bytes);
}

std::string Placed(const std::string& klass, const std::string& values) {
  return "  object View1: " + klass + "\n    Left = 8\n    Top = 8\n    Width = 200\n" +
         "    Height = 150\n" + values + "  end\n";
}

std::string ComboItems(const std::string& items) { return "    ItemsEx = <" + items + ">\n"; }

class ItemImagesTest : public WriterFixture {
 protected:
  // Writes `objects` on a form with the image lists Icons (three images) and
  // Empty (none); the bitmaps' script goes into the scratch folder.
  void Write(const std::string& objects) {
    const std::string form = "object Form1: TForm1\n  ClientHeight = 300\n  ClientWidth = 400\n" +
                             std::string("  TextHeight = 13\n") + objects + ImageList("Icons") +
                             "  object Empty: TImageList\n  end\nend\n";
    ASSERT_EQ(TranslateForm(form, Translation::kExtended, (scratch_.path() / "form").string()), "");
  }

  ScratchDir scratch_{"vornic_item_images"};
};

TEST_F(ItemImagesTest, ControlsShowTheImagesOfTheListTheyNameAndTheirItemsOwnIndexes) {
  const std::string items = ListItems({{2, -1, "a"}, {-1, 1, "b"}, {0, 20, "c"}});
  const std::string nodes = TreeNodes({{1, 2, 1, "n"}, {-1, -1, -1, "m"}});
  const std::string combo_items = ComboItems(
      "\n      item\n        Caption = 'x'\n        ImageIndex = 2\n      end"
      "\n      item\n        Caption = 'y'\n        ImageIndex = 1\n"
      "        SelectedImageIndex = 0\n      end"
      "\n      item\n        Caption = 'z'\n      end");
  const std::string tabs = "    Tabs.Strings = (\n      'A'\n      'B')\n";
  struct Case {
    const char* what;
    std::string objects;
    std::vector<std::string> lines;   // in the creation code, in this order
    std::vector<std::string> absent;  // anywhere in it
  };
  const Case cases[] = {
      {"list view without images",
       Placed("TListView", items),
       {"LVS_EDITLABELS,", "ListItem.mask := LVIF_TEXT;",
        "ListItem.iItem := 0; ListItem.iSubItem := 0; ListItem.pszText := PWideChar('a');\n"
        "SendMessageW(View1,LVM_INSERTITEMW,0,LParam(@ListItem));"},
       {"IMAGELIST", "iImage", "state"}},
      {"list view with small images",
       Placed("TListView", "    SmallImages = Icons\n" + items),
       {"LVS_EDITLABELS or LVS_SHAREIMAGELISTS,",
        "SendMessageW(View1,LVM_SETIMAGELIST,LVSIL_SMALL,LParam(Icons));",
        "ListItem.mask := LVIF_TEXT or LVIF_IMAGE;", "PWideChar('a');\nListItem.iImage := 2;\nSend",
        "PWideChar('b');\nListItem.iImage := I_IMAGENONE;\nSend", "PWideChar('c');\nListItem.iImage := 0;"},
       {"LVSIL_NORMAL", "LVSIL_STATE", "state"}},
      // State images count from 1 in the window, from 0 in the form; one
      // beyond the four bits the state holds shows none.
      {"list view with large and state images",
       Placed("TListView", "    LargeImages = Icons\n    StateImages = Icons\n" + items),
       {"SendMessageW(View1,LVM_SETIMAGELIST,LVSIL_NORMAL,LParam(Icons));\n"
        "SendMessageW(View1,LVM_SETIMAGELIST,LVSIL_STATE,LParam(Icons));",
        "ListItem.mask := LVIF_TEXT or LVIF_IMAGE or LVIF_STATE;\n"
        "ListItem.stateMask := LVIS_STATEIMAGEMASK;",
        "ListItem.iImage := 2; ListItem.state := 0;",
        "ListItem.iImage := I_IMAGENONE; ListItem.state := 2 shl 12;",
        "ListItem.iImage := 0; ListItem.state := 0;"},
       {"LVSIL_SMALL"}},
      {"list view whose list holds no images",
       Placed("TListView", "    SmallImages = Empty\n    StateImages = Missing\n" + items),
       {"LVS_EDITLABELS,", "ListItem.mask := LVIF_TEXT;"},
       {"IMAGELIST", "iImage"}},
      {"tree view without images",
       Placed("TTreeView", nodes),
       {"TreeInsert.item.mask := TVIF_TEXT;",
        "TreeInsert.item.pszText := PWideChar('n');\nSendMessageW(View1,TVM_INSERTITEMW"},
       {"IMAGELIST", "iImage", "state"}},
      {"tree view with images",
       Placed("TTreeView", "    Images = Icons\n" + nodes),
       {"SendMessageW(View1,TVM_SETIMAGELIST,TVSIL_NORMAL,LParam(Icons));",
        "TreeInsert.item.mask := TVIF_TEXT or TVIF_IMAGE or TVIF_SELECTEDIMAGE;",
        "PWideChar('n');\nTreeInsert.item.iImage := 1; TreeInsert.item.iSelectedImage := 2;\nSend",
        "PWideChar('m');\nTreeInsert.item.iImage := I_IMAGENONE; "
        "TreeInsert.item.iSelectedImage := I_IMAGENONE;\nSend"},
       {"TVSIL_STATE", "state"}},
      // A tree's state images count from 1 as the form's do.
      {"tree view with state images",
       Placed("TTreeView", "    StateImages = Icons\n" + nodes),
       {"SendMessageW(View1,TVM_SETIMAGELIST,TVSIL_STATE,LParam(Icons));",
        "TreeInsert.item.mask := TVIF_TEXT or TVIF_STATE;\n"
        "TreeInsert.item.stateMask := TVIS_STATEIMAGEMASK;",
        "PWideChar('n');\nTreeInsert.item.state := 1 shl 12;\n",
        "PWideChar('m');\nTreeInsert.item.state := 0;\n"},
       {"TVSIL_NORMAL", "iImage"}},
      {"tab control without images",
       Placed("TTabControl", tabs),
       {"TabItem.mask := TCIF_TEXT;\nTabItem.pszText := PWideChar('A');"},
       {"IMAGELIST", "iImage"}},
      // The form stores no image per tab: tab i shows image i.
      {"tab control with images",
       Placed("TTabControl", "    Images = Icons\n" + tabs),
       {"SendMessageW(View1,TCM_SETIMAGELIST,0,LParam(Icons));",
        "TabItem.mask := TCIF_TEXT or TCIF_IMAGE;\nTabItem.pszText := PWideChar('A');\n"
        "TabItem.iImage := 0;",
        "PWideChar('B');\nTabItem.iImage := 1;\nSendMessageW(View1, TCM_INSERTITEMW, 1, LParam(@TabItem));"},
       {}},
      {"extended combo box without images",
       Placed("TComboBoxEx", combo_items),
       {"View1:= CreateWindowExW(0, 'combobox',",
        "SendMessageW(View1,CB_ADDSTRING,0,LParam(PWideChar('x')));"},
       {"ComboBoxEx32", "IMAGELIST", "ComboItem"}},
      // An item whose selected image is not given shows its image while chosen.
      {"extended combo box with images",
       Placed("TComboBoxEx", "    Images = Icons\n" + combo_items + "    ItemIndex = 1\n"),
       {"View1:= CreateWindowExW(0, 'ComboBoxEx32',",
        "SendMessageW(View1,CBEM_SETIMAGELIST,0,LParam(Icons));",
        "ComboItem.mask := CBEIF_TEXT or CBEIF_IMAGE or CBEIF_SELECTEDIMAGE;\n"
        "ComboItem.iItem := 0; ComboItem.pszText := PWideChar('x'); ComboItem.iImage := 2; "
        "ComboItem.iSelectedImage := 2;\nSendMessageW(View1,CBEM_INSERTITEMW,0,LParam(@ComboItem));",
        "PWideChar('y'); ComboItem.iImage := 1; ComboItem.iSelectedImage := 0;",
        "PWideChar('z'); ComboItem.iImage := I_IMAGENONE; ComboItem.iSelectedImage := I_IMAGENONE;",
        "SendMessageW(View1,CB_SETCURSEL,1,0);"},
       {"CB_ADDSTRING"}},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.what);
    Write(row.objects);
    const std::string body = Lines("bodymidle");
    size_t at = 0;
    for (const std::string& line : row.lines) {
      const size_t found = body.find(line, at);
      EXPECT_NE(found, std::string::npos) << line << "\nin:" << body;
      if (found != std::string::npos) at = found;
    }
    for (const std::string& text : row.absent) {
      EXPECT_EQ(body.find(text), std::string::npos) << text << "\nin:" << body;
    }
    // The list is built as the main window is created, before any control.
    const bool shown = body.find("(Icons)") != std::string::npos;
    EXPECT_EQ(
        Lines("windowproccreatemidle").find("Icons := ImageList_Create(4,4,ILC_COLOR24,3,0);") !=
            std::string::npos,
        shown);
    EXPECT_EQ(Lines("windowproccreatemidle").find("ICC_USEREX_CLASSES") != std::string::npos,
              body.find("ComboBoxEx32") != std::string::npos);
  }
}

TEST_F(ItemImagesTest, LongListsCarryTheirImagesAsArraysBesideTheirEntries) {
  const size_t count = kLongListEntries + 1;
  std::vector<Item> items;
  std::vector<Node> nodes;
  std::string tabs = "    Tabs.Strings = (";
  std::string combo_items;
  for (size_t i = 0; i < count; ++i) {
    const int image = static_cast<int>(i % 4) - 1;  // -1, 0, 1, 2, ...
    items.push_back({image, image, "I"});
    nodes.push_back({image, image + 1, image + 1, "N"});
    tabs += "\n      'T'";
    combo_items +=
        "\n      item\n        Caption = 'C'\n        ImageIndex = " + std::to_string(image) +
        "\n      end";
  }
  tabs += ")\n";
  struct Case {
    const char* what;
    std::string objects;
    std::string walk;    // the statements that walk the arrays
    std::string arrays;  // the start of the arrays of numbers
  };
  const Case cases[] = {
      {"list view",
       Placed("TListView", "    SmallImages = Icons\n    StateImages = Icons\n" + ListItems(items)),
       "AddViewImageItems(View1, View1Entries, View1Images, 0);\n"
       "SetViewStates(View1, View1States, 0);",
       "View1Images: array[0..256] of Integer = (\nI_IMAGENONE, 0, 1, 2, I_IMAGENONE"},
      {"list view's states", Placed("TListView", "    StateImages = Icons\n" + ListItems(items)),
       "AddViewItems(View1, View1Entries, 0);\nSetViewStates(View1, View1States, 0);",
       "View1States: array[0..256] of Integer = (\n0, 1, 2, 3, 0"},
      {"tree view", Placed("TTreeView", "    Images = Icons\n" + TreeNodes(nodes)),
       "AddTreeImageNodes(View1, View1Entries, View1Depths,\n"
       "View1Images, View1SelectedImages, View1States);",
       "View1SelectedImages: array[0..256] of Integer = (\n0, 1, 2, 3, 0"},
      {"tab control", Placed("TTabControl", "    Images = Icons\n" + tabs),
       "InsertListImageTabs(View1, View1Entries, 0);", ""},
      {"extended combo box",
       Placed("TComboBoxEx", "    Images = Icons\n" + ComboItems(combo_items)),
       "AddComboItems(View1, View1Entries, View1Images, View1SelectedImages, 0);",
       "View1SelectedImages: array[0..256] of Integer = (\nI_IMAGENONE, 0, 1, 2, I_IMAGENONE"},
  };
  for (const Case& row : cases) {
    SCOPED_TRACE(row.what);
    Write(row.objects);
    EXPECT_NE(Lines("bodymidle").find(row.walk), std::string::npos) << Lines("bodymidle");
    EXPECT_NE(Lines("procedures").find(row.arrays), std::string::npos);
  }
}

}  // namespace
}  // namespace vornic
