// The arrays are declared between the variables and the window procedure,
// each entry on a line of its own; the procedures that walk them are
// written once, the first time a list needs one.
#include "extended/list_data.h"

#include <algorithm>

#include "extended/list_procedures.h"
#include "output/program_text.h"

namespace vornic {

namespace {

// Numbers of `count` entries (a tree's depths, image indexes) as constant
// arrays of `type` named after `name`, one beside each array of captions,
// twenty to a line.
std::vector<std::string> DeclareNumberArrays(const ListOutput& out, const std::string& name,
                                             const char* type, size_t count, const NumberAt& at) {
  std::vector<std::string> names;
  std::string text;
  for (size_t first = 0; first < count; first += kEntriesPerArray) {
    const size_t size = std::min(kEntriesPerArray, count - first);
    const std::string array = out.take_identifier(name);
    text.assign("\r\nconst\r\n  ")
        .append(array)
        .append(": array[0..")
        .append(std::to_string(size - 1))
        .append("] of ")
        .append(type)
        .append(" = (");
    for (size_t i = 0; i < size; ++i) {
      text.append(i == 0 ? "\r\n    " : i % 20 == 0 ? ",\r\n    " : ", ");
      text.append(at(first + i));
    }
    text.append(");\r\n");
    out.program.AddText("procedures", text);
    names.push_back(array);
  }
  return names;
}

}  // namespace

EntryArrays DeclareEntryArrays(const ListOutput& out, const std::string& name, size_t count,
                               const EntryAt& at) {
  EntryArrays arrays;
  arrays.count = count;
  std::string text;  // one array at a time: the program holds the entries once
  for (size_t first = 0; first < count; first += kEntriesPerArray) {
    const size_t size = std::min(kEntriesPerArray, count - first);
    const std::string array = out.take_identifier(name + "Entries");
    text.assign("\r\nconst\r\n  ")
        .append(array)
        .append(": array[0..")
        .append(std::to_string(size - 1))
        .append("] of PWideChar = (");
    for (size_t i = 0; i < size; ++i)
      text.append(i == 0 ? "\r\n    " : ",\r\n    ").append(at(first + i));
    text.append(");\r\n");
    out.program.AddText("procedures", text);
    arrays.names.push_back(array);
  }
  return arrays;
}

std::string AddEntriesText(const ListOutput& out, const std::string& window,
                           const std::string& message, const EntryArrays& arrays) {
  out.program.AddTextOnce("procedures", kAddEntriesProcedure);
  std::string text;
  for (const std::string& array : arrays.names) {
    text += "\r\n  AddListEntries(" + window + ", " + message + ", " + array + ");";
  }
  return text;
}

std::string SetLinesText(const ListOutput& out, const std::string& window,
                         const EntryArrays& arrays) {
  out.program.AddTextOnce("procedures", kAppendLinesProcedure);
  out.program.AddTextOnce("var", "\r\n    ListText: UnicodeString;");
  std::string text = "\r\n  ListText := '';";
  for (const std::string& array : arrays.names) {
    text += "\r\n  AppendListLines(ListText, " + array + ");";
  }
  // No CR LF behind the last line.
  return text + "\r\n  SetLength(ListText, Length(ListText) - 2);\r\n  SendMessageW(" + window +
         ",WM_SETTEXT,0,LParam(PWideChar(ListText)));\r\n  ListText := '';";
}

std::string InsertTabsText(const ListOutput& out, const std::string& window,
                           const EntryArrays& arrays, bool show_images) {
  out.program.AddTextOnce("procedures",
                          show_images ? kInsertImageTabsProcedure : kInsertTabsProcedure);
  const std::string procedure = show_images ? "InsertListImageTabs(" : "InsertListTabs(";
  std::string text;
  for (size_t i = 0; i < arrays.names.size(); ++i) {
    text += "\r\n  " + procedure + window + ", " + arrays.names[i] + ", " +
            std::to_string(i * kEntriesPerArray) + ");";
  }
  return text;
}

std::string AddRadioItemsText(const ListOutput& out, const std::string& window,
                              const EntryArrays& arrays, const RadioPlaces& places) {
  out.program.AddTextOnce("procedures", kAddRadioItemsProcedure);
  std::string text;
  for (size_t i = 0; i < arrays.names.size(); ++i) {
    text += "\r\n  AddRadioItems(" + window + ", " + arrays.names[i] + ", " +
            std::to_string(i * kEntriesPerArray) + ",\r\n    " + places.per_column + ", " +
            places.width + ", " + places.height + ", " + places.top + ", " + places.tab_item + ");";
  }
  return text;
}

std::string AddViewItemsText(const ListOutput& out, const std::string& window,
                             const EntryArrays& captions, const std::vector<EntryArrays>& sub_items,
                             const EntryImages& images) {
  std::string text;
  if (images.image) {
    out.program.AddTextOnce("procedures", kAddViewImageItemsProcedure);
    const std::vector<std::string> indexes =
        DeclareNumberArrays(out, window + "Images", "Integer", captions.count, images.image);
    for (size_t i = 0; i < captions.names.size(); ++i) {
      text += "\r\n  AddViewImageItems(" + window + ", " + captions.names[i] + ", " + indexes[i] +
              ", " + std::to_string(i * kEntriesPerArray) + ");";
    }
  } else {
    out.program.AddTextOnce("procedures", kAddViewItemsProcedure);
    for (size_t i = 0; i < captions.names.size(); ++i) {
      text += "\r\n  AddViewItems(" + window + ", " + captions.names[i] + ", " +
              std::to_string(i * kEntriesPerArray) + ");";
    }
  }
  if (images.state) {
    out.program.AddTextOnce("procedures", kSetViewStatesProcedure);
    const std::vector<std::string> states =
        DeclareNumberArrays(out, window + "States", "Integer", captions.count, images.state);
    for (size_t i = 0; i < states.size(); ++i) {
      text += "\r\n  SetViewStates(" + window + ", " + states[i] + ", " +
              std::to_string(i * kEntriesPerArray) + ");";
    }
  }
  if (!sub_items.empty()) out.program.AddTextOnce("procedures", kSetViewTextsProcedure);
  for (size_t column = 0; column < sub_items.size(); ++column) {
    for (size_t i = 0; i < sub_items[column].names.size(); ++i) {
      text += "\r\n  SetViewTexts(" + window + ", " + sub_items[column].names[i] + ", " +
              std::to_string(i * kEntriesPerArray) + ", " + std::to_string(column + 1) + ");";
    }
  }
  return text;
}

std::string AddTreeNodesText(const ListOutput& out, const std::string& window,
                             const EntryArrays& captions,
                             const std::function<int(size_t)>& depth_at,
                             const EntryImages& images) {
  out.program.AddTextOnce("procedures",
                          images.image ? kAddTreeImageNodesProcedure : kAddTreeNodesProcedure);
  const std::vector<std::string> depths =
      DeclareNumberArrays(out, window + "Depths", "Byte", captions.count,
                          [&depth_at](size_t i) { return std::to_string(depth_at(i)); });
  std::string text;
  if (!images.image) {
    for (size_t i = 0; i < captions.names.size(); ++i) {
      text += "\r\n  AddTreeNodes(" + window + ", " + captions.names[i] + ", " + depths[i] + ");";
    }
    return text;
  }
  const auto declare = [&](const char* kind, const NumberAt& at) {
    return DeclareNumberArrays(out, window + kind, "Integer", captions.count, at);
  };
  const std::vector<std::string> shown = declare("Images", images.image);
  const std::vector<std::string> selected = declare("SelectedImages", images.selected);
  const std::vector<std::string> states = declare("States", images.state);
  for (size_t i = 0; i < captions.names.size(); ++i) {
    text += "\r\n  AddTreeImageNodes(" + window + ", " + captions.names[i] + ", " + depths[i] +
            ",\r\n    " + shown[i] + ", " + selected[i] + ", " + states[i] + ");";
  }
  return text;
}

std::string AddComboItemsText(const ListOutput& out, const std::string& window,
                              const EntryArrays& captions, const EntryImages& images) {
  out.program.AddTextOnce("procedures", kAddComboItemsProcedure);
  const std::vector<std::string> shown =
      DeclareNumberArrays(out, window + "Images", "Integer", captions.count, images.image);
  const std::vector<std::string> selected = DeclareNumberArrays(
      out, window + "SelectedImages", "Integer", captions.count, images.selected);
  std::string text;
  for (size_t i = 0; i < captions.names.size(); ++i) {
    text += "\r\n  AddComboItems(" + window + ", " + captions.names[i] + ", " + shown[i] + ", " +
            selected[i] + ", " + std::to_string(i * kEntriesPerArray) + ");";
  }
  return text;
}

std::string ItemsFontText(const ListOutput& out, const std::string& window, size_t count) {
  out.program.AddTextOnce("procedures", kItemsFontProcedure);
  return "\r\n  SetItemsFont(" + window + ", " + std::to_string(count) + ");";
}

}  // namespace vornic
