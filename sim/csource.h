// C source straight into the simulator: compiled in process as `tarvel -g`
// compiles it, so that every instruction knows its C line.
#pragma once

#include <string>

#include "program.h"

namespace tarvelsim {

// Compiles and assembles `source`; false after printing the diagnostic as
// the driver prints it ("file:line: error: message").
bool buildFromC(const std::string& source, const std::string& fileName, Program& prog);

// The name the generated assembly goes by in messages: "blink.psm" for
// "examples/blink.c", the name `tarvel -g -S` gives the file it writes.
std::string assemblyName(const std::string& cFile);

}  // namespace tarvelsim
