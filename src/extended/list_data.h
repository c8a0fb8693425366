// Long lists written as data: the entries as constant arrays of PChar and a
// call per array to a procedure that walks it, so that a list of a hundred
// thousand entries is a few hundred statements, not a statement each.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vornic {

class TSDPR;

/// Lists of more entries than this are written as data, where the
/// translation does so; no example or known real form has a longer list.
inline constexpr size_t kLongListEntries = 256;
/// The entries of one constant array at most: each array stays far below
/// what a compiler takes as one constant, and each entry has a line.
inline constexpr size_t kEntriesPerArray = 1000;

/// The entry (a string literal) at an index from 0.
using EntryAt = std::function<std::string_view(size_t)>;
/// A number (as program text) of the entry at an index from 0.
using NumberAt = std::function<std::string(size_t)>;

/// The images of the entries of a list written as data, each number as the
/// control takes it; a function left empty: the entries show none of that kind.
struct EntryImages {
  NumberAt image;
  NumberAt selected;  // while the entry is selected: tree views, extended combo boxes
  NumberAt state;     // the state image's number: list views and tree views
};

/// Where a list written as data goes: the program's sections, and the run's
/// registry of identifiers that names the arrays.
struct ListOutput {
  ListOutput(TSDPR& program, std::function<std::string(const std::string&)> take_identifier)
      : program(program), take_identifier(std::move(take_identifier)) {}

  TSDPR& program;
  std::function<std::string(const std::string&)> take_identifier;  // unique for the run
};

/// True when a list of `count` entries is long enough to be written as data.
inline bool IsLongList(size_t count) { return count > kLongListEntries; }

/// The constant arrays of one list, in order.
struct EntryArrays {
  std::vector<std::string> names;
  size_t count = 0;  // the entries of all of them
};

/// Declares `count` entries as constant arrays named after the control
/// `name`, in the section "procedures".
EntryArrays DeclareEntryArrays(const ListOutput& out, const std::string& name, size_t count,
                               const EntryAt& at);

/// Statements that add every entry to the list `window` with `message`
/// (LB_ADDSTRING, CB_ADDSTRING).
std::string AddEntriesText(const ListOutput& out, const std::string& window,
                           const std::string& message, const EntryArrays& arrays);
/// Statements that make the entries, with CR LF between them, the text of
/// the edit `window`.
std::string SetLinesText(const ListOutput& out, const std::string& window,
                         const EntryArrays& arrays);
/// Statements that insert the entries as the tabs of `window`; with
/// `show_images` tab i shows image i of the window's image list.
std::string InsertTabsText(const ListOutput& out, const std::string& window,
                           const EntryArrays& arrays, bool show_images = false);

/// Where the radio buttons of a group go: in columns of `per_column`, each
/// `width` by `height`, the first row at `top`; the item at `tab_item` (from
/// 0) takes the tab stop.
struct RadioPlaces {
  std::string per_column;
  std::string width;
  std::string height;
  std::string top;
  std::string tab_item;
};

/// Statements that create the entries as radio buttons of the group box
/// `window`, with control IDs from 1.
std::string AddRadioItemsText(const ListOutput& out, const std::string& window,
                              const EntryArrays& arrays, const RadioPlaces& places);
/// Statements that insert the entries as the items of the list view
/// `window` with their `images` (image and state), and `sub_items[j]`
/// (entries too, as many) as their texts in column j + 1.
std::string AddViewItemsText(const ListOutput& out, const std::string& window,
                             const EntryArrays& captions, const std::vector<EntryArrays>& sub_items,
                             const EntryImages& images = {});
/// Statements that insert the entries as the nodes of the tree view
/// `window`, each below the last node one level up; `depth_at` gives a
/// node's depth, 0 at the root. `images` gives all three kinds or none.
std::string AddTreeNodesText(const ListOutput& out, const std::string& window,
                             const EntryArrays& captions,
                             const std::function<int(size_t)>& depth_at,
                             const EntryImages& images = {});
/// Statements that insert the entries as the items of the extended combo
/// box `window` with their `images` (image and selected image).
std::string AddComboItemsText(const ListOutput& out, const std::string& window,
                              const EntryArrays& captions, const EntryImages& images);
/// A statement that gives the first `count` items of `window` its font.
std::string ItemsFontText(const ListOutput& out, const std::string& window, size_t count);

}  // namespace vornic
