// A form put together as the designer shows it: a descendant merged onto the
// form of its ancestor, and every frame placed on it replaced by the frame's
// own form with the placement's changes on top.
#pragma once

#include <functional>
#include <vector>

#include "form/form_object.h"

namespace vornic {

/// The complete form of the frame that `entry`, an inline entry, places;
/// nullptr when there is none, after adding a warning about `entry` to
/// `warnings`. The tree returned must outlive the merge.
using FrameFinder =
    std::function<const FormTree*(const FormObject& entry, std::vector<FormWarning>& warnings)>;

/// `form`, as read from its file, completed: merged onto `ancestor` (a
/// complete form; nullptr when it has none or none was found), with every
/// inline entry that `frames` finds a form for replaced by that form.
///
/// The merge keeps the ancestor's objects in their order. The form's root
/// and each `inherited X` entry change the values of the object they stand
/// for (a value of the same name is replaced where it stands, a new one is
/// added; a list or collection is replaced whole) and add what they hold; X
/// is looked up by name, in any case, among the objects of the form or of the
/// frame around the entry, and moves under the entry's holder when it stood
/// elsewhere. A new object goes where its "[n]" says among its holder's
/// objects, else after them. A placed frame keeps the entry's name, class,
/// lines and kind (inline); its objects are the frame's, changed as above.
///
/// Every object and value keeps the file it was read from: the result's
/// files are `form`'s, then the ancestor's and each frame's not yet listed.
/// Warnings of the trees merged in are taken over; an inherited entry whose
/// object its ancestor lacks is kept as it stands, with a warning. The
/// result holds no "[n]" and no resolved reference.
FormTree MergeForm(const FormTree& form, const FormTree* ancestor, const FrameFinder& frames);

}  // namespace vornic
