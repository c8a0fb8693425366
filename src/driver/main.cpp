// The vornic executable: a thin shell around Run.
#include <unistd.h>

#include <iostream>

#include "driver/console_messages.h"
#include "driver/run.h"

int main(int argc, char** argv) {
  const int code = vornic::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                               isatty(STDOUT_FILENO) == 1);
  // The console itself failed, so its message goes to the error stream.
  if (!std::cout) std::cerr << vornic::kConsoleWriteError << "\n";
  return code;
}
