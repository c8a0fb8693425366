// The choice of the translation, made once per run.
#include "builder/translation_steps.h"

namespace vornic {

std::unique_ptr<TranslationSteps> MakeTranslationSteps(Translation translation) {
  switch (translation) {
    case Translation::kExact:
      break;
    case Translation::kExtended:
      return MakeExtendedSteps();
  }
  return MakeExactSteps();
}

}  // namespace vornic
