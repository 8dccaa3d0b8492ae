// The entry of quarnel-batch on Linux: the arguments as they are (UTF-8), the standard streams.
#include <iostream>

#include "batch/batch.h"

int main(int argc, char* argv[]) {
  return quarnel::runBatch({argv + 1, argv + argc}, std::cin, std::cout, std::cerr);
}
