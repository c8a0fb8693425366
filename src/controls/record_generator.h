// RecordGenerator: the reading half that the extended generators of the
// common controls share: an object's properties collected into a record.
#pragma once

#include <string>

#include "builder/control_generator.h"
#include "controls/control_steps.h"
#include "controls/geometry.h"
#include "controls/multi_line_values.h"

namespace vornic {

/// Collects an object's name, geometry and own properties into `record_`
/// (a struct with ControlName, Left, Top, Width and Height) and follows its
/// multi-line values; a subclass stores the other properties it knows, takes
/// the values it wants, and writes the control at the end line.
template <typename Record>
class RecordGenerator : public ControlGenerator {
 public:
  void OnObject(GeneratorContext context, const LineWords& line) override {
    record_.ControlName = context.TakeName(line);
  }

  void OnProperty(GeneratorContext context, const LineWords& line) override {
    switch (values_.OnProperty(line)) {
      case MultiLineValues::Owner::kItem:
        OnItemProperty(line);
        return;
      case MultiLineValues::Owner::kOpened:
        // Each entry of a list it writes is checked at its own line.
        if (values_.ReadsStrings() && WritesStrings(values_.property())) BeginStringList(context);
        return;
      case MultiLineValues::Owner::kObject:
        break;
    }
    if (!StoreGeometry(record_, line)) StoreProperty(line);
  }

  void OnContinuationLine(GeneratorContext context, const LineWords& line) override {
    if (!values_.OnContinuationLine(line)) return;
    context.list_marker().clear();
    OnValueRead();
  }

 protected:
  /// One of the object's own properties other than its geometry.
  virtual void StoreProperty(const LineWords& line) = 0;
  /// A property of item `values_.item()` of collection `values_.property()`.
  virtual void OnItemProperty(const LineWords& /*line*/) {}
  /// The multi-line value `values_.property()` has been read whole.
  virtual void OnValueRead() {}
  /// True for a list of strings whose entries the generator writes.
  virtual bool WritesStrings(const std::string& /*property*/) const { return false; }

  Record record_;
  MultiLineValues values_;
};

}  // namespace vornic
