// The rows' texts in one buffer and an open-addressing index of row numbers.
#include "lib/text_rows.h"

#include <functional>

namespace vornic {

namespace {

constexpr size_t kFirstIndexSize = 16;

// Each text is hashed apart and mixed in, so that ("ab", "c") and ("a", "bc")
// differ however their bytes fall.
void MixIn(uint64_t& hash, std::string_view text) {
  hash ^= std::hash<std::string_view>{}(text) + 0x9E3779B97F4A7C15 + (hash << 6) + (hash >> 2);
}

uint32_t Folded(uint64_t hash) { return static_cast<uint32_t>(hash ^ (hash >> 32)); }

}  // namespace

uint32_t TextRows::HashOf(std::initializer_list<std::string_view> row) {
  uint64_t hash = 0;
  for (std::string_view text : row) MixIn(hash, text);
  return Folded(hash);
}

uint32_t TextRows::HashOfRow(int row) const {
  uint64_t hash = 0;
  for (size_t column = 0; column < columns_; ++column) MixIn(hash, At(row, column));
  return Folded(hash);
}

int TextRows::Add(std::initializer_list<std::string_view> row) {
  for (std::string_view text : row) {
    text_ += text;
    ends_.push_back(text_.size());
  }
  const int number = ++rows_;
  if (!slots_.empty()) {
    hashes_.push_back(HashOf(row));
    if (2 * static_cast<size_t>(number) > slots_.size()) {
      GrowIndex();
    } else {
      Index(number);
    }
  }
  return number;
}

int TextRows::Find(std::initializer_list<std::string_view> row) const {
  if (rows_ == 0) return 0;
  if (slots_.empty()) GrowIndex();
  const uint32_t hash = HashOf(row);
  const size_t mask = slots_.size() - 1;
  for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const Slot entry = slots_[slot];
    if (entry.row == 0) return 0;
    if (entry.hash == hash && RowEquals(static_cast<int>(entry.row), row)) {
      return static_cast<int>(entry.row);
    }
  }
}

std::string_view TextRows::At(int row, size_t column) const {
  const size_t cell = static_cast<size_t>(row - 1) * columns_ + column;
  const size_t begin = cell == 0 ? 0 : ends_[cell - 1];
  return std::string_view(text_).substr(begin, ends_[cell] - begin);
}

bool TextRows::RowEquals(int row, std::initializer_list<std::string_view> texts) const {
  size_t column = 0;
  for (std::string_view text : texts) {
    if (At(row, column++) != text) return false;
  }
  return true;
}

void TextRows::Index(int row) const {
  const size_t mask = slots_.size() - 1;
  const uint32_t hash = hashes_[static_cast<size_t>(row) - 1];
  size_t slot = hash & mask;
  while (slots_[slot].row != 0) slot = (slot + 1) & mask;
  slots_[slot] = {static_cast<uint32_t>(row), hash};
}

void TextRows::GrowIndex() const {
  for (int row = static_cast<int>(hashes_.size()) + 1; row <= rows_; ++row) {
    hashes_.push_back(HashOfRow(row));
  }
  size_t slot_count = slots_.empty() ? kFirstIndexSize : slots_.size();
  while (slot_count < 2 * static_cast<size_t>(rows_)) slot_count *= 2;
  slots_.assign(slot_count, Slot{0, 0});
  // In the order of the rows, so that of equal rows the first is found first.
  for (int row = 1; row <= rows_; ++row) Index(row);
}

}  // namespace vornic
