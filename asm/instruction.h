// The Tarvel processor's instruction set: one decoded instruction, and its
// 18-bit program word. Every instruction is exactly one word; encode() and
// decode() are inverses, so a program can travel as text or as a word image.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace assembly {

constexpr int kProgramSize = 1024;   // program words 000..3FF
constexpr uint32_t kWordMask = 0x3FFFF;

enum class Op {
  Load, And, Or, Xor, Add, AddCy, Sub, SubCy, Compare, Test,
  Sl0, Sl1, Slx, Sla, Rl, Sr0, Sr1, Srx, Sra, Rr,
  Fetch, Store, Input, Output,
  Jump, Call, Return, ReturnI, EnableInterrupt, DisableInterrupt,
};

enum class Cond { Always, Z, NZ, C, NC };

// Which fields matter depends on `op`: register/constant forms use x and y
// (yIsReg tells which kind y is), jumps and calls use cond and target,
// RETURN uses cond, RETURNI uses enable.
struct Instruction {
  Op op = Op::Load;
  uint8_t x = 0;
  uint8_t y = 0;
  bool yIsReg = false;
  Cond cond = Cond::Always;
  uint16_t target = 0;
  bool enable = false;
};

uint32_t encode(const Instruction& in);

// Nothing for a word that no instruction encodes to.
std::optional<Instruction> decode(uint32_t word);

// The instruction as assembly text ("LOAD s0,3E", "JUMP NZ,123"), which
// assembles back to the same word.
std::string disassemble(const Instruction& in);

// Whether the operation writes its first register operand sX (every
// register-and-operand form and the shifts, except COMPARE, TEST, STORE
// and OUTPUT, which only read it).
bool writesRegisterX(Op op);

}  // namespace assembly
