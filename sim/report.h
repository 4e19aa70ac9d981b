// Text that the simulator prints about the machine: the --trace line of one
// executed instruction and the --dump of the final state.
#pragma once

#include <ostream>
#include <string>

#include "machine.h"

namespace tarvelsim {

// "PC  line  instruction  effect  Z= C=", written after the instruction ran.
std::string traceLine(uint16_t pc, const Instr& in, const Machine& m);

// Registers, flags, the data memory as a hex table and, when the program
// carried a memory map, one "name = value" line per global (arrays one line
// per element as "name[i] = value"), in decimal by the variable's type.
void dump(std::ostream& out, const Machine& m, const Program& prog);

// The value of one element of a global as the C program sees it.
long globalValue(const Machine& m, const Global& g, int index);

}  // namespace tarvelsim
