// Forms put together from the files of a project: each case writes a few
// small forms and units into a folder, completes one form and compares the
// merged form text and the warnings with what the designer would show.
#include "project/project_forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "extended/class_table.h"
#include "form/form_reader.h"
#include "form/form_text.h"
#include "lib/errors.h"
#include "project/unit_declarations.h"
#include "support/conversions.h"
#include "support/scratch_files.h"

namespace vornic {
namespace {

namespace fs = std::filesystem;

// Form text is written with LF in the cases, as the tool writes it with CR LF.
std::string Crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

struct ProjectFile {
  std::string path;  // under the case's folder
  std::string text;  // LF line ends; a form file whose name ends in ".bin.dfm" is stored binary
};

// Completes `form` among `files`, with `search` (relative to the folder) as
// search folders; returns the merged form text and the warnings, each as
// "file(line): text" with the file relative to the folder.
struct Completed {
  std::string text;
  std::vector<std::string> warnings;
};

Completed CompleteForm(const fs::path& dir, const std::vector<ProjectFile>& files,
                       const std::string& form, const std::vector<std::string>& search = {}) {
  for (const ProjectFile& file : files) {
    fs::create_directories((dir / file.path).parent_path());
    const bool binary = file.path.ends_with(".bin.dfm");
    WriteFile(dir / file.path, binary ? BinaryOf(Crlf(file.text)) : Crlf(file.text));
  }
  std::vector<std::string> folders;
  for (const std::string& folder : search) folders.push_back((dir / folder).string());
  ClassTable classes;
  ProjectForms project(classes, folders);
  const std::string form_file = (dir / form).string();
  FormReader reader(form_file, classes);
  reader.Add(ReadFile(form_file));
  reader.Finish();
  const FormTree tree = project.Complete(reader.TakeTree(), form_file);
  Completed completed;
  if (tree.root != nullptr) completed.text = FormText(*tree.root);
  const std::string prefix = dir.string() + "/";
  auto relative = [&](std::string text) {
    for (size_t at; (at = text.find(prefix)) != std::string::npos;) text.erase(at, prefix.size());
    // The folder itself, as "where it looked" names it.
    for (size_t at; (at = text.find(dir.string())) != std::string::npos;) {
      text.replace(at, dir.string().size(), "DIR");
    }
    return text;
  };
  for (const FormWarning& warning : tree.warnings) {
    completed.warnings.push_back(relative(tree.files[warning.source]) + "(" +
                                 std::to_string(warning.line) + "): " + relative(warning.text));
  }
  return completed;
}

const char kBaseForm[] =
    "object Base: TBase\n"
    "  Caption = 'Base'\n"
    "  Width = 200\n"
    "  object Panel1: TPanel\n"
    "    Left = 0\n"
    "    object Button1: TButton\n"
    "      Caption = 'OK'\n"
    "    end\n"
    "  end\n"
    "  object StatusBar1: TStatusBar\n"
    "    Panels = <\n"
    "      item\n"
    "        Width = 50\n"
    "      end\n"
    "      item\n"
    "        Width = 60\n"
    "      end>\n"
    "  end\n"
    "end\n";

const char kBaseUnit[] = "type TBase = class(TForm) end;\n";
const char kDialogUnit[] = "type\n  TDialog = class(TBase)\n  end;\n";

const char kFrameForm[] =
    "object Frame: TFrameA\n"
    "  Width = 100\n"
    "  object Label1: TLabel\n"
    "    Caption = 'Name'\n"
    "  end\n"
    "  object Edit1: TEdit\n"
    "    Left = 40\n"
    "  end\n"
    "end\n";

struct MergeCase {
  const char* rule;
  std::vector<ProjectFile> files;
  std::string form;  // the file completed
  std::string merged;
  std::vector<std::string> warnings;
};

TEST(ProjectFormsTest, MergesAsTheDesignerShowsTheForm) {
  const std::vector<MergeCase> cases = {
      {"values replaced where they stand, new ones added; collections replaced whole",
       {{"base.dfm", kBaseForm},
        {"base.pas", kBaseUnit},
        {"dialog.pas", kDialogUnit},
        {"dialog.dfm",
         "inherited Dialog: TDialog\n"
         "  Caption = 'Dialog'\n"
         "  Color = clRed\n"
         "  inherited StatusBar1: TStatusBar\n"
         "    Panels = <\n"
         "      item\n"
         "        Width = 70\n"
         "      end>\n"
         "  end\n"
         "end\n"}},
       "dialog.dfm",
       "object Dialog: TDialog\n"
       "  Caption = 'Dialog'\n"
       "  Width = 200\n"
       "  Color = clRed\n"
       "  object Panel1: TPanel\n"
       "    Left = 0\n"
       "    object Button1: TButton\n"
       "      Caption = 'OK'\n"
       "    end\n"
       "  end\n"
       "  object StatusBar1: TStatusBar\n"
       "    Panels = <\n"
       "      item\n"
       "        Width = 70\n"
       "      end>\n"
       "  end\n"
       "end\n",
       {}},
      {"new objects after the ancestor's, or where [n] says; inherited ones move to their new "
       "holder",
       {{"base.dfm", kBaseForm},
        {"dialog.pas", kDialogUnit},
        {"dialog.dfm",
         "inherited Dialog: TDialog\n"
         "  inherited Panel1: TPanel\n"
         "    object Button2: TButton\n"
         "    end\n"
         "  end\n"
         "  object Top: TPanel [0]\n"
         "    inherited Button1: TButton\n"
         "      Caption = 'Moved'\n"
         "    end\n"
         "  end\n"
         "  object Last: TLabel\n"
         "  end\n"
         "end\n"}},
       "dialog.dfm",
       "object Dialog: TDialog\n"
       "  Caption = 'Base'\n"
       "  Width = 200\n"
       "  object Top: TPanel\n"
       "    object Button1: TButton\n"
       "      Caption = 'Moved'\n"
       "    end\n"
       "  end\n"
       "  object Panel1: TPanel\n"
       "    Left = 0\n"
       "    object Button2: TButton\n"
       "    end\n"
       "  end\n"
       "  object StatusBar1: TStatusBar\n"
       "    Panels = <\n"
       "      item\n"
       "        Width = 50\n"
       "      end\n"
       "      item\n"
       "        Width = 60\n"
       "      end>\n"
       "  end\n"
       "  object Last: TLabel\n"
       "  end\n"
       "end\n",
       {}},
      {"a chain of ancestors, an inherited entry the ancestor lacks kept with a warning",
       {{"base.dfm", kBaseForm},
        {"dialog.pas", kDialogUnit},
        {"dialog.dfm",
         "inherited Dialog: TDialog\n"
         "  Caption = 'Dialog'\n"
         "  Height = 90\n"
         "end\n"},
        {"final.pas", "type TFinal = class(TDialog);\n"},
        {"final.dfm",
         "inherited Final: TFinal\n"
         "  Height = 120\n"
         "  inherited Panel1: TPanel\n"
         "    Visible = False\n"
         "  end\n"
         "  inherited Gone: TLabel\n"
         "  end\n"
         "end\n"}},
       "final.dfm",
       "object Final: TFinal\n"
       "  Caption = 'Dialog'\n"
       "  Width = 200\n"
       "  Height = 120\n"
       "  object Panel1: TPanel\n"
       "    Left = 0\n"
       "    Visible = False\n"
       "    object Button1: TButton\n"
       "      Caption = 'OK'\n"
       "    end\n"
       "  end\n"
       "  object StatusBar1: TStatusBar\n"
       "    Panels = <\n"
       "      item\n"
       "        Width = 50\n"
       "      end\n"
       "      item\n"
       "        Width = 60\n"
       "      end>\n"
       "  end\n"
       "  inherited Gone: TLabel\n"
       "  end\n"
       "end\n",
       {"final.dfm(6): Gone is inherited, but the form of TFinal holds no object of that name: "
        "it is written as it stands"}},
      {"a frame placed twice, each with its own changes and inherited children",
       {{"frame.dfm", kFrameForm},
        {"main.dfm",
         "object Main: TMain\n"
         "  inline Top: TFrameA\n"
         "    Left = 10\n"
         "    inherited Label1: TLabel\n"
         "      Caption = 'First'\n"
         "    end\n"
         "  end\n"
         "  inline Bottom: TFrameA\n"
         "    Top = 50\n"
         "    object Extra: TButton\n"
         "    end\n"
         "  end\n"
         "end\n"}},
       "main.dfm",
       "object Main: TMain\n"
       "  inline Top: TFrameA\n"
       "    Width = 100\n"
       "    Left = 10\n"
       "    object Label1: TLabel\n"
       "      Caption = 'First'\n"
       "    end\n"
       "    object Edit1: TEdit\n"
       "      Left = 40\n"
       "    end\n"
       "  end\n"
       "  inline Bottom: TFrameA\n"
       "    Width = 100\n"
       "    Top = 50\n"
       "    object Label1: TLabel\n"
       "      Caption = 'Name'\n"
       "    end\n"
       "    object Edit1: TEdit\n"
       "      Left = 40\n"
       "    end\n"
       "    object Extra: TButton\n"
       "    end\n"
       "  end\n"
       "end\n",
       {}},
      {"a frame in a frame, an inherited frame, and a form that inherits a placed frame",
       {{"frame.dfm", kFrameForm},
        {"framed.pas", "type TFramed = class(TFrameA);\n"},
        {"framed.dfm",
         "inherited Framed: TFramed\n"
         "  inherited Edit1: TEdit\n"
         "    Left = 44\n"
         "  end\n"
         "end\n"},
        {"outer.dfm",
         "object Outer: TOuter\n"
         "  inline Inner: TFramed\n"
         "    Left = 5\n"
         "  end\n"
         "end\n"},
        {"host.pas", "type THost = class(TOuterBase);\n"},
        {"hostbase.dfm",
         "object HostBase: TOuterBase\n"
         "  inline Holder: TOuter\n"
         "  end\n"
         "end\n"},
        {"host.dfm",
         "inherited Host: THost\n"
         "  inherited Holder: TOuter\n"
         "    inherited Inner: TFramed\n"
         "      inherited Label1: TLabel\n"
         "        Caption = 'Deep'\n"
         "      end\n"
         "    end\n"
         "  end\n"
         "end\n"}},
       "host.dfm",
       "object Host: THost\n"
       "  inline Holder: TOuter\n"
       "    inline Inner: TFramed\n"
       "      Width = 100\n"
       "      Left = 5\n"
       "      object Label1: TLabel\n"
       "        Caption = 'Deep'\n"
       "      end\n"
       "      object Edit1: TEdit\n"
       "        Left = 44\n"
       "      end\n"
       "    end\n"
       "  end\n"
       "end\n",
       {}},
      {"a cycle of ancestors is cut with a warning; the form stands as read",
       {{"a.pas", "type TA = class(TB);\n"},
        {"a.dfm", "inherited A: TA\n  Width = 1\nend\n"},
        {"b.pas", "type TB = class(TA);\n"},
        {"b.dfm", "inherited B: TB\n  Height = 2\nend\n"}},
       "a.dfm",
       "object A: TA\n"
       "  Height = 2\n"
       "  Width = 1\n"
       "end\n",
       {"b.dfm(1): class TA (the ancestor of TB) leads back to itself (TA -> TB -> TA); "
        "the form is translated without its ancestor"}},
      {"a frame that holds itself is placed once",
       {{"loop.dfm", "object Loop: TLoop\n  inline Again: TLoop\n  end\nend\n"},
        {"main.dfm", "object Main: TMain\n  inline L: TLoop\n  end\nend\n"}},
       "main.dfm",
       "object Main: TMain\n"
       "  inline L: TLoop\n"
       "    inline Again: TLoop\n"
       "    end\n"
       "  end\n"
       "end\n",
       {"loop.dfm(2): class TLoop (the frame Again) leads back to itself (TLoop -> "
        "TLoop); Again is translated without the frame's controls"}},
      {"a missing ancestor and frame leave the form as read, with warnings",
       {{"alone.dfm",
         "inherited Alone: TAlone\n"
         "  inline F: TNowhere\n"
         "    Left = 3\n"
         "  end\n"
         "end\n"}},
       "alone.dfm",
       "inherited Alone: TAlone\n"
       "  inline F: TNowhere\n"
       "    Left = 3\n"
       "  end\n"
       "end\n",
       {"alone.dfm(1): the ancestor of TAlone is unknown: there is no unit alone.pas beside the "
        "form; the form is translated without its ancestor",
        "alone.dfm(2): no form file of class TNowhere (the frame F) in " + std::string("DIR") +
            "; F is translated without the frame's controls"}},
  };
  for (const MergeCase& test : cases) {
    SCOPED_TRACE(test.rule);
    ScratchDir scratch("vornic_merge");
    Completed completed = CompleteForm(scratch.path(), test.files, test.form);
    EXPECT_EQ(completed.text, Crlf(test.merged));
    EXPECT_EQ(completed.warnings, test.warnings);
  }
}

struct FindCase {
  const char* rule;
  std::vector<ProjectFile> files;
  std::vector<std::string> search;  // search folders, relative to the case's folder
  std::string first_control;        // the name of the merged root's first object; "" for none
  std::vector<std::string> warnings;
};

const char kDialogForm[] = "inherited Dialog: TDialog\n  Caption = 'Dialog'\nend\n";

TEST(ProjectFormsTest, FindsAncestorsBesideTheFormThenInTheSearchFolders) {
  const std::vector<FindCase> cases = {
      {"the unit beside names the ancestor, whose binary form file lies beside",
       {{"dialog.pas", kDialogUnit}, {"dialog.dfm", kDialogForm}, {"base.bin.dfm", kBaseForm}},
       {},
       "Panel1",
       {}},
      {"an ancestor under a search folder's subfolder; the first folder that has it wins",
       {{"app/dialog.pas", kDialogUnit},
        {"app/dialog.dfm", kDialogForm},
        {"lib1/forms/deep/base.dfm", kBaseForm},
        {"lib2/base.dfm", "object Other: TBase\n  object Second: TLabel\n  end\nend\n"}},
       {"lib1", "lib2"},
       "Panel1",
       {}},
      {"beside the form comes before the search folders",
       {{"app/dialog.pas", kDialogUnit},
        {"app/dialog.dfm", kDialogForm},
        {"app/near.dfm", "object Near: TBase\n  object NearLabel: TLabel\n  end\nend\n"},
        {"lib/base.dfm", kBaseForm}},
       {"lib"},
       "NearLabel",
       {}},
      {"an ancestor elsewhere is not found without the search folder",
       {{"app/dialog.pas", kDialogUnit},
        {"app/dialog.dfm", kDialogForm},
        {"lib/base.dfm", kBaseForm}},
       {},
       "",
       {"app/dialog.dfm(1): no form file of class TBase (the ancestor of TDialog) in app; the form "
        "is translated without its ancestor"}},
      {"nor in the search folders given, which the warning names",
       {{"app/dialog.pas", kDialogUnit},
        {"app/dialog.dfm", kDialogForm},
        {"lib/base.dfm", kBaseForm}},
       {"app", "other"},
       "",
       {"app/dialog.dfm(1): no form file of class TBase (the ancestor of TDialog) in app or the "
        "search folders app, other; the form is translated without its ancestor"}},
      {"two form files of one class",
       {{"dialog.pas", kDialogUnit},
        {"dialog.dfm", kDialogForm},
        {"a.dfm", kBaseForm},
        {"b.dfm", kBaseForm}},
       {},
       "",
       {"dialog.dfm(1): 2 form files have class TBase (the ancestor of TDialog) at their root: "
        "a.dfm, b.dfm; the form is translated without its ancestor"}},
      {"a unit that does not declare the class",
       {{"dialog.pas", "type TOther = class(TBase);\n{ TDialog = class(TBase) }\n"},
        {"dialog.dfm", kDialogForm},
        {"base.dfm", kBaseForm}},
       {},
       "",
       {"dialog.dfm(1): the ancestor of TDialog is unknown: dialog.pas does not declare TDialog = "
        "class(...); the form is translated without its ancestor"}},
  };
  for (const FindCase& test : cases) {
    SCOPED_TRACE(test.rule);
    ScratchDir scratch("vornic_find");
    const std::string form = test.files[1].path;
    const Completed completed = CompleteForm(scratch.path(), test.files, form, test.search);
    const std::string first = "\r\n  object " + test.first_control + ": ";
    if (test.first_control.empty()) {
      EXPECT_EQ(completed.text.rfind("inherited Dialog: TDialog\r\n", 0), 0u) << completed.text;
    } else {
      EXPECT_NE(completed.text.find(first), std::string::npos) << completed.text;
    }
    EXPECT_EQ(completed.warnings, test.warnings);
  }
}

TEST(ProjectFormsTest, AnAncestorsFaultyLineIsReportedInItsOwnFile) {
  ScratchDir scratch("vornic_find");
  try {
    CompleteForm(
        scratch.path(),
        {{"dialog.pas", kDialogUnit},
         {"dialog.dfm", kDialogForm},
         {"base.dfm", "object Base: TBase\n  object Label1: TLabel\n    Left = abc\n  end\nend\n"}},
        "dialog.dfm");
    FAIL() << "no error";
  } catch (const EParserError& error) {
    EXPECT_EQ(std::string(error.what()),
              "[Error] " + (scratch.path() / "base.dfm").string() + "(3):     Left = abc");
  }
}

TEST(ProjectFormsTest, UnitsDeclareAncestorsWhateverTheirLayout) {
  const struct {
    const char* unit;
    const char* ancestor;  // of TForm2
  } cases[] = {
      {"type TForm2 = class(TForm1)", "TForm1"},
      {"type\n  tform2=CLASS ( Vcl.Forms.TBaseForm , IInterface )", "TBaseForm"},
      {"type TForm2 = class sealed(TForm1) end;", "TForm1"},
      {"{ TForm2 = class(TWrong) } // TForm2 = class(TWrong)\n(* TForm2 = class(TWrong) *)\n"
       "const S = 'TForm2 = class(TWrong)'; type TForm2 = class(TRight);",
       "TRight"},
      {"type TForm22 = class(TWrong); TForm2 = class; TForm2 = class(TLate)", "TLate"},
      {"type TForm2 = class;", ""},
      {"", ""},
  };
  for (const auto& test : cases) {
    EXPECT_EQ(DeclaredAncestor(test.unit, "TForm2"), test.ancestor) << test.unit;
  }
}

}  // namespace
}  // namespace vornic
