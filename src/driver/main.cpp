// The vornic executable: a thin shell around Run.
#include <iostream>

#include "driver/run.h"

int main(int argc, char** argv) {
  return vornic::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout);
}
