// Names for places in the program as the user knows them: the C line (for
// programs built with -g) followed by the assembly line, the function an
// address is in, and the places a breakpoint can name.
#pragma once

#include <string>
#include <vector>

#include "program.h"

namespace tarvelsim {

// "blink.c:12 (blink.psm:57)", "blink.psm:57" without a C line, the file
// name alone for an address that holds nothing.
std::string where(const Program& prog, int address);

// The C line of an instruction as "blink.c:12", "" when it has none.
std::string cLineName(const Program& prog, const Instr& in);

// The routine an address is in: "main" for the compiler's _main, a
// runtime routine's label, "start-up code" before the first routine.
std::string functionAt(const Program& prog, int address);

// The program addresses a breakpoint at `where` stands for: a C line
// "file.c:12" (the folder may be left out; a line without code moves to the
// next line that has some), a function ("main"), a label or a hex address
// ("1A", "0x1A"). Empty with `error` set when nothing matches.
std::vector<int> breakAddresses(const Program& prog, const std::string& where, std::string& error);

}  // namespace tarvelsim
