// Where the tests find the public form corpus, which lives beside the
// checkout and may be absent (tests that need it skip themselves then).
#pragma once

#include <filesystem>

namespace vornic {

/// The folder named by VORNIC_CORPUS when it is set (the check scripts read
/// the same variable), else ../shared/corpus beside the checkout.
std::filesystem::path CorpusDir();

}  // namespace vornic
