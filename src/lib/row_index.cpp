#include "lib/row_index.h"

namespace vornic {

int RowIndex::Find(std::initializer_list<std::string_view> key) const {
  const auto it = rows_.find(Joined(key));
  return it == rows_.end() ? 0 : it->second;
}

void RowIndex::Insert(std::initializer_list<std::string_view> key, int row) {
  rows_.emplace(Joined(key), row);
}

std::string RowIndex::Joined(std::initializer_list<std::string_view> key) {
  std::string joined;
  for (std::string_view column : key) {
    joined += std::to_string(column.size());
    joined += ':';
    joined += column;
  }
  return joined;
}

}  // namespace vornic
