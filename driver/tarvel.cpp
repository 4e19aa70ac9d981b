// tarvel: the toolchain driver.  One command from a C source (or an
// assembly program) to a memory image for the Tarvel processor: compile in
// process with the compiler's own code, assemble, check the memory budget,
// write the image.  See --help and docs/toolchain.md.
#include <cstdio>
#include <string>

#include "driver/build.h"
#include "driver/compile.h"
#include "driver/options.h"

int main(int argc, char** argv) {
  CommandLine command = parseCommandLine(argc, argv);
  if (command.exitNow) return command.status;
  const Options& options = command.options;
  return runWithLargeStack([&options] { return build(options); });
}
