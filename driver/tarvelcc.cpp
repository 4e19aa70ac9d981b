// tarvelcc: compiles one C source unit to assembly for the Tarvel processor.
//
//   tarvelcc filename    compile the file
//   tarvelcc -           compile standard input
//   tarvelcc             print the banner and the usage
#include <cstdio>
#include <cstring>

#include "driver/compile.h"

int main(int argc, char** argv) {
  const char* program = argc > 0 && argv[0] ? argv[0] : "tarvelcc";
  if (argc < 2) {
    std::printf("C compiler for ZEFO Tarvel platform\n");
    std::printf("use: %s filename\n or: %s -\n       for standard input\n", program, program);
    if (std::fflush(stdout) != 0) {
      std::fprintf(stderr, "%s: cannot write the output\n", program);
      return 1;
    }
    return 0;
  }
  const char* name = std::strcmp(argv[1], "-") == 0 ? nullptr : argv[1];
  return runWithLargeStack([name] { return compileUnit(name, stdout); });
}
