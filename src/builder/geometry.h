// The position and size every placed control collects the same way: shared
// by the records and stores of all generators.
#pragma once

#include <string>
#include <string_view>

#include "input/line_words.h"
#include "lib/box.h"

namespace vornic {

/// Stores the value of a Left, Top, Width or Height line in `record`;
/// false for any other property.
template <typename Record>
bool StoreGeometry(Record& record, const LineWords& line) {
  const std::string_view name = line.Word1;
  if (name == "Left")
    record.Left = line.Word3;
  else if (name == "Top")
    record.Top = line.Word3;
  else if (name == "Width")
    record.Width = line.Word3;
  else if (name == "Height")
    record.Height = line.Word3;
  else
    return false;
  return true;
}

/// True when Left, Top, Width and Height of `record` are all given.
template <typename Record>
bool HasGeometry(const Record& record) {
  return !record.Left.empty() && !record.Top.empty() && !record.Width.empty() &&
         !record.Height.empty();
}

/// Left, Top, Width and Height of `record` as one box.
template <typename Record>
Box BoxOf(const Record& record) {
  return Box{record.Left, record.Top, record.Width, record.Height};
}

}  // namespace vornic
