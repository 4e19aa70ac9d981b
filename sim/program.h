// The assembled form of a program for the simulator: one decoded instruction
// per program memory slot, plus what the listing says about global variables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelsim {

constexpr int kProgramSize = 1024;   // instruction slots 000..3FF
constexpr int kDataSize = 64;        // data memory bytes 00..3F
constexpr int kRegisterCount = 16;   // s0..sF
constexpr int kStackDepth = 31;      // return addresses held by the processor
constexpr int kInterruptVector = 0x3FF;

enum class Op {
  Load, And, Or, Xor, Add, AddCy, Sub, SubCy, Compare, Test,
  Sl0, Sl1, Slx, Sla, Rl, Sr0, Sr1, Srx, Sra, Rr,
  Fetch, Store, Input, Output,
  Jump, Call, Return, ReturnI, EnableInterrupt, DisableInterrupt,
};

enum class Cond { Always, Z, NZ, C, NC };

// One decoded instruction. Which fields matter depends on `op`:
// register/constant forms use x and y (yIsReg tells which kind y is),
// jumps and calls use cond and target, RETURNI uses enable.
struct Instr {
  Op op = Op::Load;
  uint8_t x = 0;
  uint8_t y = 0;
  bool yIsReg = false;
  Cond cond = Cond::Always;
  uint16_t target = 0;
  bool enable = false;
  int line = 0;        // source line, for faults and the trace
  std::string text;    // source text without comment, for the trace
};

// A global variable as the compiler's memory map lists it.
struct Global {
  std::string name;
  int addr = 0;
  int elemSize = 1;   // bytes of one element (1 or 2)
  int count = 1;      // elements; more than one only for arrays
  int typeWord = 0;

  bool isUnsigned() const { return (typeWord & 0x800) != 0; }
  bool isArray() const { return (typeWord & 0x200) != 0; }
  bool isPointer() const { return (typeWord & 0x80) != 0; }
};

struct Program {
  std::string fileName;
  std::array<std::optional<Instr>, kProgramSize> slots;
  std::vector<Global> globals;
  bool hasMemoryMap = false;
};

}  // namespace tarvelsim
