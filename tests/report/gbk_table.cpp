// Writes the conversion table of this build (gbk_table.h) to the file named by the argument.
#include "gbk_table.h"

#include <fstream>

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  std::ofstream(argv[1], std::ios::binary) << quarnel::test::gbkTable();
  return 0;
}
