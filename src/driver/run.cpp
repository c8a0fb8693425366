#include "driver/run.h"

namespace vornic {

// Placeholder until the driver lands.
int Run(const std::vector<std::string>&, std::ostream&) { return 0; }

}  // namespace vornic
