// Text that the simulator prints about the machine: the --trace line of one
// executed instruction and the --dump of the final state.
#pragma once

#include <ostream>
#include <string>

#include "machine.h"

namespace tarvelsim {

// "PC  line  instruction  effect  Z= C=", written after the instruction ran,
// followed by the C line ("blink.c:12") when there is one.
std::string traceLine(uint16_t pc, const Instr& in, const Machine& m, const std::string& cLine = "");

// Registers, flags, the data memory as a hex table and, when the program
// carried a memory map, one "name = value" line per global (arrays one line
// per element as "name[i] = value"), in decimal by the variable's type.
void dump(std::ostream& out, const Machine& m, const Program& prog);

// s0..sF as two rows of eight "sX=HH".
void printRegisters(std::ostream& out, const Machine& m);

// Data memory as a hex table, sixteen bytes a row.
void printMemory(std::ostream& out, const Machine& m);

// The value of one element of a global as the C program sees it.
long globalValue(const Machine& m, const Global& g, int index);

}  // namespace tarvelsim
