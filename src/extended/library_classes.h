// The classes of other libraries that real forms use most, each with the
// standard class it stands for, and the classes known to show nothing.
#pragma once

#include <span>
#include <string>

namespace vornic {

/// A class of another library and the standard class written in its place,
/// both in capitals.
struct LibraryClass {
  const char* name;
  const char* standard;
};

/// The built-in table of other libraries' controls.
std::span<const LibraryClass> LibraryClasses();

/// The standard class that a Unicode wrapper in capitals ("TTNTEDIT") wraps
/// ("TEDIT"); empty for a class of no such family.
std::string WrappedClass(const std::string& upper_class);

/// True when objects of `upper_class` (in capitals) are components that show
/// nothing on the form (data sets, dialogs, timers, image lists, actions,
/// menus ...), whatever values they store.
bool IsNonVisualClass(const std::string& upper_class);

}  // namespace vornic
