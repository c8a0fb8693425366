// ControlGenerator: the protocol of the generators that own what they collect,
// one object per open object of their class.
#pragma once

#include <memory>

#include "builder/generator_context.h"
#include "builder/line_words.h"

namespace vornic {

/// The generator of one object. The builder creates it at the object's line,
/// hands it the object's lines in order and drops it after the object's end
/// line; what it collects lives in the generator, not in the builder. An
/// object that never gets its end line (a broken form) is dropped without
/// OnEnd, so it writes nothing.
class ControlGenerator {
 public:
  virtual ~ControlGenerator() = default;

  /// The object line; `line.ObjectName` still has its colon.
  virtual void OnObject(GeneratorContext context, const LineWords& line) = 0;
  /// A property line: `line.Word1` names the property, `line.Word3` is its
  /// value. The properties of a collection's items come this way too,
  /// between the item's continuation lines.
  virtual void OnProperty(GeneratorContext context, const LineWords& line) = 0;
  /// A line of a multi-line value (a list entry, bitmap data, a collection
  /// item and its end): kind empty, or "end" closing no open object.
  virtual void OnContinuationLine(GeneratorContext /*context*/, const LineWords& /*line*/) {}
  /// An object line directly inside this object. Its own properties are all
  /// read by then, so a container can write itself before what it holds.
  virtual void OnChildObject(GeneratorContext /*context*/, const LineWords& /*line*/) {}
  /// The object's end line: write what the object makes.
  virtual void OnEnd(GeneratorContext context, const LineWords& line) = 0;
};

/// Makes the generator of one object; a class table row names one per class.
using GeneratorFactory = std::unique_ptr<ControlGenerator> (*)();

}  // namespace vornic
