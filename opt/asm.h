// The optimizer's view of one assembly line: a label, an instruction split
// into mnemonic, condition and operands, or any other text kept verbatim.
// Also what each instruction reads and writes, for the dataflow passes.
#pragma once

#include <bitset>
#include <string>
#include <vector>

namespace opt {

// Register numbers: 0..15 are s0..sF, then the flags Z and C, then virtual
// registers that stand for stack-frame bytes until they get a real register.
constexpr int kZ = 16, kC = 17, kFirstVirtual = 18, kRegLimit = 128;
constexpr int kSD = 13, kSE = 14, kSF = 15;
using RegSet = std::bitset<kRegLimit>;

struct Line {
  enum Kind { Instr, Label, Text } kind = Text;
  std::string text;  // Label: the name; Text: the line as written
  std::string op;    // upper-case mnemonic
  std::string cond;  // JUMP, CALL, RETURN: "", "Z", "NZ", "C" or "NC"
  std::string a, b;  // operands as written; "(sD)" for an indirect address
};

Line parseLine(const std::string& text);
std::string printLine(const Line& line);
Line makeInstr(const std::string& op, const std::string& a, const std::string& b = "");

// Register number of an operand ("s2", "sD", "v20"), or -1.
int regOf(const std::string& operand);
// The register inside "(sD)", or -1 when the operand is not indirect.
int indirectReg(const std::string& operand);
std::string regName(int reg);
// Value of a hexadecimal constant operand (0..255), or -1.
int immOf(const std::string& operand);
std::string hexByte(int value);

bool isJump(const Line& l);
// An inline asm block kept as one line: op "ASM", text the block's lines.
bool isAsmBlock(const Line& l);
bool isAlu(const std::string& op);  // LOAD excluded

// What a non-CALL instruction reads and writes. `fixed` marks instructions
// that must stay whatever their results: memory, ports, control, interrupts
// and anything unknown.
struct Effects {
  RegSet use, def;
  bool fixed = false;
};
Effects effectsOf(const Line& l);

RegSet allMachineRegs();  // s0..sF and both flags

}  // namespace opt
