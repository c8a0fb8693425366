// Actions: a control or menu item bound to an action of the form (its
// Action names it) takes from the action what it does not store itself, and
// its click runs what the action's OnExecute names.
#pragma once

#include <string>
#include <string_view>

namespace vornic {

struct FormObject;

/// The value of `name` of `object` as form text writes it: its own, or,
/// where it stores none, its action's for the values an action gives
/// (Caption, Enabled, Checked, Visible, Hint, ShortCut, ImageIndex ...).
/// Empty when neither stores it.
const std::string& LinkedValue(const FormObject& object, std::string_view name);
/// True when `object` or, for the values an action gives, its action stores `name`.
bool HasLinkedValue(const FormObject& object, std::string_view name);

/// What a click of `object`, whose variable is `variable`, shows until the
/// program has handlers of its own: the handler its action's OnExecute
/// names, else the variable followed by "Click".
std::string ClickName(const FormObject& object, const std::string& variable);
/// True when a click of `object` runs something: its OnClick, or its
/// action's OnExecute.
bool HasClick(const FormObject& object);

}  // namespace vornic
