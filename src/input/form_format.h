// What the binary form reader and writer share: the value tags, the object
// prefix flags, the signature and the resource header's fixed numbers.
//
// A binary form file is a 16-bit resource header (0xFF, type 10, the upper-case
// class name, flags 0x1030, the data size), the signature "TPF0" and one object
// record. All multi-byte numbers are little-endian.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornic::form {

enum Tag : uint8_t {
  kNull = 0,  // end of a list; as a property value, a null value
  kList = 1,
  kInt8 = 2,
  kInt16 = 3,
  kInt32 = 4,
  kExtended = 5,
  kString = 6,
  kIdent = 7,
  kFalse = 8,
  kTrue = 9,
  kBinary = 10,
  kSet = 11,
  kLString = 12,
  kNil = 13,
  kCollection = 14,
  kSingle = 15,
  kCurrency = 16,
  kDate = 17,
  kWString = 18,
  kInt64 = 19,
  kUtf8String = 20,
};

// An object record may start with a prefix byte 0xF0 | flags.
constexpr uint8_t kPrefixMask = 0xF0;
constexpr uint8_t kFlagInherited = 1;
constexpr uint8_t kFlagChildPos = 2;
constexpr uint8_t kFlagInline = 4;

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};

constexpr uint8_t kResourceTypeMarker = 0xFF;
constexpr uint16_t kResourceTypeRcData = 10;
constexpr uint16_t kResourceMemoryFlags = 0x1030;
constexpr int kResourceHeaderArea = 80;

// Deeper nesting of objects, lists or collections is refused, so a hostile
// file cannot exhaust the stack of the recursive reader and writer.
constexpr int kMaxNesting = 1000;

// The longest line of form text, without its CR LF, that the text reader
// always takes: its 4096-byte buffer is cut behind a line end, and a CR LF
// that the cut splits leaves its LF in front of the next line.
constexpr size_t kMaxTextLine = 4093;

}  // namespace vornic::form
