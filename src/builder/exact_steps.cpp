// The exact translation: the class table's members, their own fonts only,
// and window controls written as their generators describe them.
#include "builder/translation_steps.h"

namespace vornic {

namespace {

class ExactSteps final : public TranslationSteps {
 public:
  Generator MemberFor(const ClassRow& row) const override { return row.build; }

  GeneratorFactory FactoryFor(const ClassRow& /*row*/) const override { return nullptr; }

  ObjectChecks ChecksFor(CheckedObject object, const ClassRow* row) const override {
    switch (object) {
      case CheckedObject::kNone:
        break;
      case CheckedObject::kMainWindow:
        // The root's name is never written.
        return ObjectChecks{&row->checks, nullptr, nullptr, false};
      case CheckedObject::kControl:
        // A class only the extended translation writes is not checked here:
        // this translation must accept every form it always accepted.
        if (row == nullptr || row->build == nullptr) break;
        return ObjectChecks{&row->checks, nullptr, nullptr, true};
    }
    return ObjectChecks{};
  }

  const TRFont* FontFor(GeneratorContext context, int /*level*/, bool reads_font) const override {
    return reads_font ? context.collected_font() : nullptr;
  }
};

}  // namespace

std::unique_ptr<TranslationSteps> MakeExactSteps() { return std::make_unique<ExactSteps>(); }

}  // namespace vornic
