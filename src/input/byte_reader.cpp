// The buffered byte reader of the binary form reader.
#include "input/byte_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "lib/errors.h"

namespace vornic {

ByteReader::ByteReader(std::istream& input) : input_(input) {}

bool ByteReader::Refill() {
  next_ = 0;
  end_ = 0;
  if (!input_) return false;
  input_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  // A device error is no end of the input: it must not pass for truncated data.
  if (input_.bad()) throw EInputError(errno);
  end_ = static_cast<size_t>(input_.gcount());
  return end_ > 0;
}

size_t ByteReader::Take(char* out, size_t count) {
  if (next_ == end_ && !Refill()) return 0;
  size_t taken = std::min(count, end_ - next_);
  if (out != nullptr) std::memcpy(out, buffer_.data() + next_, taken);
  next_ += taken;
  return taken;
}

uint8_t ByteReader::PeekByte() {
  if (next_ == end_ && !Refill()) throw EReadError(kStreamReadError);
  return static_cast<uint8_t>(buffer_[next_]);
}

uint8_t ByteReader::ReadByte() {
  uint8_t value = PeekByte();
  ++next_;
  return value;
}

uint16_t ByteReader::ReadUInt16() {
  unsigned char bytes[2];
  Read(bytes, sizeof bytes);
  return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

uint32_t ByteReader::ReadUInt32() {
  unsigned char bytes[4];
  Read(bytes, sizeof bytes);
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

uint64_t ByteReader::ReadUInt64() {
  uint64_t low = ReadUInt32();
  uint64_t high = ReadUInt32();
  return high << 32 | low;
}

void ByteReader::Read(void* out, size_t count) {
  if (ReadAvailable(out, count) != count) throw EReadError(kStreamReadError);
}

void ByteReader::AppendTo(std::string& out, size_t count) {
  while (count > 0) {
    if (next_ == end_ && !Refill()) throw EReadError(kStreamReadError);
    size_t taken = std::min(count, end_ - next_);
    out.append(buffer_.data() + next_, taken);
    next_ += taken;
    count -= taken;
  }
}

size_t ByteReader::ReadAvailable(void* out, size_t count) {
  char* dest = static_cast<char*>(out);
  size_t done = 0;
  while (done < count) {
    size_t taken = Take(dest + done, count - done);
    if (taken == 0) break;
    done += taken;
  }
  return done;
}

size_t ByteReader::SkipAvailable(size_t count) {
  size_t done = 0;
  while (done < count) {
    size_t taken = Take(nullptr, count - done);
    if (taken == 0) break;
    done += taken;
  }
  return done;
}

size_t ByteReader::PeekAvailable(void* out, size_t count) {
  count = std::min(count, buffer_.size());
  if (end_ - next_ < count) {
    // Move the unread tail to the front so the whole window fits.
    std::memmove(buffer_.data(), buffer_.data() + next_, end_ - next_);
    end_ -= next_;
    next_ = 0;
    while (end_ < count && input_) {
      input_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
      if (input_.bad()) throw EInputError(errno);
      end_ += static_cast<size_t>(input_.gcount());
    }
  }
  size_t available = std::min(count, end_ - next_);
  std::memcpy(out, buffer_.data() + next_, available);
  return available;
}

}  // namespace vornic
