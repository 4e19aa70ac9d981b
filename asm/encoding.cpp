// The instruction table and the translation between decoded instructions
// and 18-bit program words. Decoding guesses from the word's prefix and
// accepts the guess only when it encodes back to the very same word, so
// that encode and decode stay exact inverses without a second table.
#include <iterator>

#include "opcodes.h"
#include "text.h"

namespace assembly {
namespace {

const OpInfo kOps[] = {
    {Op::Load, "LOAD", Form::Alu, 0x00},
    {Op::And, "AND", Form::Alu, 0x0A},
    {Op::Or, "OR", Form::Alu, 0x0C},
    {Op::Xor, "XOR", Form::Alu, 0x0E},
    {Op::Test, "TEST", Form::Alu, 0x12},
    {Op::Compare, "COMPARE", Form::Alu, 0x14},
    {Op::Add, "ADD", Form::Alu, 0x18},
    {Op::AddCy, "ADDCY", Form::Alu, 0x1A},
    {Op::Sub, "SUB", Form::Alu, 0x1C},
    {Op::SubCy, "SUBCY", Form::Alu, 0x1E},
    {Op::Input, "INPUT", Form::Address, 0x04},
    {Op::Fetch, "FETCH", Form::Address, 0x06},
    {Op::Output, "OUTPUT", Form::Address, 0x2C},
    {Op::Store, "STORE", Form::Address, 0x2E},
    {Op::Sla, "SLA", Form::Shift, 0x0},
    {Op::Rl, "RL", Form::Shift, 0x2},
    {Op::Slx, "SLX", Form::Shift, 0x4},
    {Op::Sl0, "SL0", Form::Shift, 0x6},
    {Op::Sl1, "SL1", Form::Shift, 0x7},
    {Op::Sra, "SRA", Form::Shift, 0x8},
    {Op::Srx, "SRX", Form::Shift, 0xA},
    {Op::Rr, "RR", Form::Shift, 0xC},
    {Op::Sr0, "SR0", Form::Shift, 0xE},
    {Op::Sr1, "SR1", Form::Shift, 0xF},
    {Op::Jump, "JUMP", Form::Branch, 0x34000},
    {Op::Call, "CALL", Form::Branch, 0x30000},
    {Op::Return, "RETURN", Form::Return, 0x2A000},
    {Op::ReturnI, "RETURNI", Form::ReturnI, 0x38000},
    {Op::EnableInterrupt, "ENABLE", Form::Interrupt, 0x3C001},
    {Op::DisableInterrupt, "DISABLE", Form::Interrupt, 0x3C000},
};

constexpr uint32_t kShiftPrefix = 0x20000;
constexpr uint32_t kConditional = 0x01000;  // set in conditional JUMP/CALL/RETURN

const char* const kConditionNames[] = {"", "Z", "NZ", "C", "NC"};

// Z, NZ, C, NC select bits 11..10 as 0..3.
uint32_t conditionBits(Cond c) {
  return c == Cond::Always ? 0 : kConditional | (static_cast<uint32_t>(c) - 1) << 10;
}

Cond conditionOfWord(uint32_t word) {
  if (!(word & kConditional)) return Cond::Always;
  return static_cast<Cond>(((word >> 10) & 3) + 1);
}

std::string reg(int r) { return "s" + hex(static_cast<unsigned>(r), 1); }

// The instruction the word would be if it belonged to `info`.
Instruction guess(const OpInfo& info, uint32_t word) {
  Instruction in;
  in.op = info.op;
  in.x = (word >> 8) & 0xF;
  in.cond = conditionOfWord(word);
  in.target = word & 0x3FF;
  in.enable = word & 1;
  if (info.form == Form::Alu || info.form == Form::Address) {
    in.yIsReg = (word >> 12) == info.code + 1;
    in.y = in.yIsReg ? (word >> 4) & 0xF : word & 0xFF;
  }
  return in;
}

}  // namespace

const OpInfo& infoOf(Op op) {
  for (const OpInfo& info : kOps)
    if (info.op == op) return info;
  return kOps[0];
}

const OpInfo* findMnemonic(const std::string& name) {
  for (const OpInfo& info : kOps)
    if (name == info.name) return &info;
  return nullptr;
}

std::optional<Cond> findCondition(const std::string& name) {
  for (size_t i = 1; i < std::size(kConditionNames); ++i)
    if (name == kConditionNames[i]) return static_cast<Cond>(i);
  return std::nullopt;
}

const char* conditionName(Cond c) { return kConditionNames[static_cast<int>(c)]; }

uint32_t encode(const Instruction& in) {
  const OpInfo& info = infoOf(in.op);
  uint32_t x = static_cast<uint32_t>(in.x & 0xF) << 8;
  switch (info.form) {
    case Form::Alu:
    case Form::Address:
      if (in.yIsReg) return (info.code + 1) << 12 | x | static_cast<uint32_t>(in.y & 0xF) << 4;
      return info.code << 12 | x | in.y;
    case Form::Shift:
      return kShiftPrefix | x | info.code;
    case Form::Branch:
      return info.code | conditionBits(in.cond) | (in.target & 0x3FF);
    case Form::Return:
      return info.code | conditionBits(in.cond);
    case Form::ReturnI:
      return info.code | (in.enable ? 1 : 0);
    case Form::Interrupt:
      return info.code;
  }
  return 0;
}

std::optional<Instruction> decode(uint32_t word) {
  for (const OpInfo& info : kOps) {
    Instruction in = guess(info, word);
    if (encode(in) == word) return in;
  }
  return std::nullopt;
}

bool writesRegisterX(Op op) {
  switch (op) {
    case Op::Compare: case Op::Test: case Op::Store: case Op::Output:
    case Op::Jump: case Op::Call: case Op::Return: case Op::ReturnI:
    case Op::EnableInterrupt: case Op::DisableInterrupt:
      return false;
    default:
      return true;
  }
}

std::string disassemble(const Instruction& in) {
  const OpInfo& info = infoOf(in.op);
  std::string text = info.name;
  std::string cond = conditionName(in.cond);
  switch (info.form) {
    case Form::Alu:
      return text + " " + reg(in.x) + "," + (in.yIsReg ? reg(in.y) : hex(in.y, 2));
    case Form::Address:
      return text + " " + reg(in.x) + "," + (in.yIsReg ? "(" + reg(in.y) + ")" : hex(in.y, 2));
    case Form::Shift:
      return text + " " + reg(in.x);
    case Form::Branch:
      return text + " " + (cond.empty() ? "" : cond + ",") + hex(in.target, 3);
    case Form::Return:
      return cond.empty() ? text : text + " " + cond;
    case Form::ReturnI:
      return text + (in.enable ? " ENABLE" : " DISABLE");
    case Form::Interrupt:
      return text + " INTERRUPT";
  }
  return text;
}

}  // namespace assembly
