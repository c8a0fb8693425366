// The references between the objects of a form: a property whose value
// names another component (an image list, an action, a popup menu, the
// control a label focuses ...), linked to the object it names wherever it
// stands in the file.
#pragma once

#include <vector>

#include "form/form_object.h"

namespace vornic {

/// A reference whose name the form does not hold: another form's
/// component, or a name that was never there.
struct UnresolvedReference {
  const FormObject* object;
  const FormProperty* property;
};

/// True when properties called `name` name a component of the form.
bool IsReferenceProperty(std::string_view name);

/// Sets FormProperty::target of every reference property of every object of
/// `tree` (collection items included) to the object it names. Names are
/// compared without regard to case; a frame's own components come first for
/// what the frame holds, then those around it. "Form1.ImageList1" names the
/// component of the form or frame called Form1. Returns the references that
/// name nothing in the form, in the file's order.
std::vector<UnresolvedReference> ResolveReferences(FormTree& tree);

}  // namespace vornic
