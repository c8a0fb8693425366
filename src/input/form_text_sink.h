// FormTextSink: what takes form text in pieces as it is read or converted:
// the exact translation's line loop or the reader of the form tree.
#pragma once

#include <string_view>

namespace vornic {

class FormTextSink {
 public:
  virtual ~FormTextSink() = default;
  /// Takes the next piece of the text; may throw what reading it raises.
  virtual void Add(std::string_view bytes) = 0;
  /// Ends the text; may throw as Add does.
  virtual void Finish() = 0;
  /// True once the rest of the text is not read: the root object has ended.
  virtual bool done() const = 0;
};

}  // namespace vornic
