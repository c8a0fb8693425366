// What a control gets from the objects it names, wherever they stand in the
// form: its action's values and handler, its popup menu on a right click,
// the images of its image list; and the warning for a name the form lacks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extended/writer_fixture.h"
#include "support/picture_files.h"

namespace vornic {
namespace {

constexpr char kBox[] = "    Left = 8\n    Top = 8\n    Width = 90\n    Height = 25\n";

// An action list after the controls, as forms usually store it.
constexpr char kActions[] = R"(  object ActionList1: TActionList
    object actSave: TAction
      Caption = '&Save'
      Enabled = False
      ShortCut = 16467
      OnExecute = actSaveExecute
    end
    object actBold: TAction
      Caption = 'Bold'
      Checked = True
    end
  end
)";

constexpr char kPopup[] = R"(  object pmList: TPopupMenu
    object pmCopy: TMenuItem
      Caption = 'Copy'
      OnClick = pmCopyClick
    end
  end
)";

std::string Object(const std::string& name, const std::string& klass, const std::string& values,
                   bool placed = true) {
  return "  object " + name + ": " + klass + "\n" + (placed ? kBox : "") + values + "  end\n";
}

class BindingsTest : public WriterFixture {};

TEST_F(BindingsTest, EachBindingShowsInItsSection) {
  const struct {
    const char* rule;
    std::string objects;
    std::string form_values;
    const char* section;
    const char* text;
  } cases[] = {
      {"a button takes its caption from its action",
       Object("Button1", "TButton", "    Action = actSave\n") + kActions, "", "bodymidle",
       "Button1:= CreateWindowExW(0, 'Button','&Save',"},
      {"and its enabled state", Object("Button1", "TButton", "    Action = actSave\n") + kActions,
       "", "bodymidle", "WS_TABSTOP or WS_DISABLED,"},
      {"its click shows the handler the action executes",
       Object("Button1", "TButton", "    Action = actSave\n") + kActions, "",
       "windowproccommandmidle", "MessageBoxW(hWindow,'actSaveExecute','Check',MB_OK);"},
      {"a value of its own wins over the action's",
       Object("Button1", "TButton", "    Action = actSave\n    Caption = 'Keep'\n") + kActions, "",
       "bodymidle", "'Button','Keep',"},
      {"a check box is checked as its action is",
       Object("CheckBox1", "TCheckBox", "    Action = actBold\n") + kActions, "", "bodymidle",
       "SendMessageW(CheckBox1,BM_SETCHECK,1,0);"},
      {"a menu item shows its action's caption and shortcut",
       "  object MainMenu1: TMainMenu\n    object mnuSave: TMenuItem\n"
       "      Action = actSave\n    end\n  end\n" +
           std::string(kActions),
       "  Menu = MainMenu1\n", "bodymidle",
       "AppendMenuW(MainMenu1, MF_STRING or MF_GRAYED, 40001, '&Save'#9'Ctrl+S');"},
      {"a list box opens its popup menu on a right click",
       Object("ListBox1", "TListBox", "    PopupMenu = pmList\n") + kPopup, "", "windowprocmidle",
       "if HWND(wParam) = ListBox1 then begin ShowPopupMenu(pmList, ListBox1, lParam); Exit; "
       "end;"},
      {"the popup menu's commands have ids of their own",
       Object("ListBox1", "TListBox", "    PopupMenu = pmList\n") + kPopup, "", "bodymidle",
       "AppendMenuW(pmList, MF_STRING, 50001, 'Copy');"},
      {"an edit passes its right click on to the main window",
       Object("Edit1", "TEdit", "    PopupMenu = pmList\n") + kPopup, "", "bodymidle",
       "SetWindowLongW(Edit1, GWL_USERDATA, SetWindowLongW(Edit1, GWL_WNDPROC, "
       "LongInt(@PassContextMenu)));"},
      {"a panel the window paints opens its menu where it lies",
       Object("Panel1", "TPanel", "    PopupMenu = pmList\n") + kPopup, "", "windowprocmidle",
       "if (Spot.X >= 8) and (Spot.X < 98) and (Spot.Y >= 8) and (Spot.Y < 33) then begin "
       "ShowPopupMenu(pmList, hWindow, lParam); Exit; end;"},
      {"the form opens its own after every control's",
       Object("ListBox1", "TListBox", "    PopupMenu = pmList\n") + kPopup,
       "  PopupMenu = pmList\n", "windowprocmidle",
       "ShowPopupMenu(pmList, ListBox1, lParam); Exit; end;\r\n      if HWND(wParam) = hWindow "
       "then "
       "begin ShowPopupMenu(pmList, hWindow, lParam); Exit; end;"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.rule);
    WriteForm(test.objects, test.form_values);
    const std::string section = dpr_->Section(test.section);
    EXPECT_NE(section.find(test.text), std::string::npos) << section;
  }
}

// An image list stored after the controls that show its images: its images
// and mask become two bitmaps, the list is built before any control exists,
// and a tool bar's buttons show the images their ImageIndex names.
TEST_F(BindingsTest, ImageListStoredAfterItsControlsIsBuiltFirst) {
  const std::string bar = "  object ToolBar1: TToolBar\n" + std::string(kBox) +
                          "    Images = ImageList1\n" +
                          "    object ToolButton1: TToolButton\n      ImageIndex = 1\n    end\n"
                          "    object ToolButton2: TToolButton\n    end\n  end\n";
  WriteForm(bar + "  object ImageList1: TImageList\n    Bitmap = {" +
            HexText(StoredImageList(2, true)) + "}\n  end\n");
  EXPECT_NE(dpr_->Section("windowproccreatemidle")
                .find("ImageList1 := ImageList_Create(4,3,ILC_COLOR24 or ILC_MASK,2,0);"),
            std::string::npos);
  const std::string body = dpr_->Section("bodymidle");
  EXPECT_NE(body.find("SendMessageW(ToolBar1,TB_SETIMAGELIST,0,LParam(ImageList1));"),
            std::string::npos);
  EXPECT_NE(body.find("ToolBarButton.iBitmap := 1;"), std::string::npos);
  EXPECT_NE(body.find("ToolBarButton.iBitmap := I_IMAGENONE;"), std::string::npos);
  EXPECT_TRUE(translation_->warnings().empty());
}

TEST_F(BindingsTest, NamesTheFormDoesNotHoldAndDamagedImageListsAreWarnedAbout) {
  WriteForm(Object("ToolBar1", "TToolBar", "    Images = DataModule1.ImageList1\n") +
            Object("Button1", "TButton", "    Images = ImageList2\n    ImageIndex = 0\n") +
            "  object ImageList2: TImageList\n    Bitmap = {494C0101}\n  end\n" +
            Object("Timer1", "TTimer", "    PopupMenu = Nowhere\n", false));
  EXPECT_EQ(translation_->warnings(),
            (std::vector<std::string>{
                "[Warning] form.txt(10): Images of ToolBar1 names DataModule1.ImageList1, which "
                "this form does not hold: it is written without it",
                "[Warning] form.txt(21): image list ImageList2 not shown: the data is no image "
                "list"}));
  EXPECT_NE(dpr_->Section("bodymidle").find("BS_PUSHLIKE"), std::string::npos);
}

}  // namespace
}  // namespace vornic
