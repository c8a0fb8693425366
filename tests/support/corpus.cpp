// The corpus folder can be moved away at run time, so that a run on a machine
// with the corpus can still show what a clean clone without it skips.
#include "support/corpus.h"

#include <cstdlib>

namespace vornic {

std::filesystem::path CorpusDir() {
  const char* folder = std::getenv("VORNIC_CORPUS");
  if (folder != nullptr && *folder != '\0') return folder;
  return VORNIC_CORPUS_DIR;
}

}  // namespace vornic
