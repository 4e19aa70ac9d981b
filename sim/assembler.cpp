// Two passes: the first places every instruction at its program address and
// collects labels, CONSTANT and NAMEREG definitions (so that a name may be
// used before the line that defines it); the second decodes the operands.
#include "assembler.h"

#include <cstdio>
#include <map>

#include "memmap.h"
#include "text.h"

namespace tarvelsim {
namespace {

// One instruction line waiting for its operands to be decoded.
struct Statement {
  int line = 0;
  int addr = 0;
  std::string mnemonic;               // upper case
  std::vector<std::string> operands;  // split at commas, trimmed
  std::string text;                   // the line without comment and label
};

enum class Form {
  RegOrConst,  // sX, sY|kk
  Shift,       // sX
  Memory,      // sX, (sY)|ss
  Port,        // sX, (sY)|pp
  Branch,      // [cond,] aaa
  Return,      // [cond]
  ReturnI,     // ENABLE|DISABLE
  Interrupt,   // INTERRUPT
};

struct Mnemonic {
  Op op;
  Form form;
};

const std::map<std::string, Mnemonic>& mnemonics() {
  static const std::map<std::string, Mnemonic> table = {
      {"LOAD", {Op::Load, Form::RegOrConst}},
      {"AND", {Op::And, Form::RegOrConst}},
      {"OR", {Op::Or, Form::RegOrConst}},
      {"XOR", {Op::Xor, Form::RegOrConst}},
      {"ADD", {Op::Add, Form::RegOrConst}},
      {"ADDCY", {Op::AddCy, Form::RegOrConst}},
      {"SUB", {Op::Sub, Form::RegOrConst}},
      {"SUBCY", {Op::SubCy, Form::RegOrConst}},
      {"COMPARE", {Op::Compare, Form::RegOrConst}},
      {"TEST", {Op::Test, Form::RegOrConst}},
      {"SL0", {Op::Sl0, Form::Shift}},
      {"SL1", {Op::Sl1, Form::Shift}},
      {"SLX", {Op::Slx, Form::Shift}},
      {"SLA", {Op::Sla, Form::Shift}},
      {"RL", {Op::Rl, Form::Shift}},
      {"SR0", {Op::Sr0, Form::Shift}},
      {"SR1", {Op::Sr1, Form::Shift}},
      {"SRX", {Op::Srx, Form::Shift}},
      {"SRA", {Op::Sra, Form::Shift}},
      {"RR", {Op::Rr, Form::Shift}},
      {"FETCH", {Op::Fetch, Form::Memory}},
      {"STORE", {Op::Store, Form::Memory}},
      {"INPUT", {Op::Input, Form::Port}},
      {"OUTPUT", {Op::Output, Form::Port}},
      {"JUMP", {Op::Jump, Form::Branch}},
      {"CALL", {Op::Call, Form::Branch}},
      {"RETURN", {Op::Return, Form::Return}},
      {"RETURNI", {Op::ReturnI, Form::ReturnI}},
      {"ENABLE", {Op::EnableInterrupt, Form::Interrupt}},
      {"DISABLE", {Op::DisableInterrupt, Form::Interrupt}},
  };
  return table;
}

std::string stripComment(const std::string& line) {
  size_t semi = line.find(';');
  return semi == std::string::npos ? line : line.substr(0, semi);
}

std::vector<std::string> splitOperands(const std::string& s) {
  std::vector<std::string> ops;
  if (trim(s).empty()) return ops;
  size_t start = 0;
  while (true) {
    size_t comma = s.find(',', start);
    ops.push_back(trim(s.substr(start, comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return ops;
}

std::string hex3(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%03X", v);
  return buf;
}

class Assembler {
 public:
  explicit Assembler(const std::string& fileName) { prog_.fileName = fileName; }

  Program run(const std::string& text) {
    std::vector<std::string> lines = splitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) scanLine(static_cast<int>(i) + 1, lines[i]);
    for (const Statement& st : statements_) prog_.slots[st.addr] = decode(st);
    readMemoryMap(lines, prog_);
    return std::move(prog_);
  }

 private:
  [[noreturn]] void fail(int line, const std::string& msg) { throw AsmError(line, msg); }

  // ---- pass 1 ----

  void scanLine(int line, const std::string& raw) {
    std::string rest = trim(stripComment(raw));
    rest = takeLabels(line, rest);
    if (rest.empty()) return;
    size_t sp = rest.find_first_of(" \t");
    std::string mnemonic = upper(rest.substr(0, sp));
    std::string operandText = sp == std::string::npos ? "" : rest.substr(sp + 1);
    std::vector<std::string> operands = splitOperands(operandText);

    if (mnemonic == "CONSTANT") return defineConstant(line, operands);
    if (mnemonic == "NAMEREG") return defineRegisterName(line, operands);
    if (mnemonic == "ADDRESS") return setAddress(line, operands);
    if (!mnemonics().count(mnemonic)) fail(line, "unknown mnemonic '" + mnemonic + "'");
    place(Statement{line, location_, mnemonic, operands, rest});
  }

  // Consumes any "name:" definitions at the front of the line (a label may
  // share its line with an instruction in hand-written code).
  std::string takeLabels(int line, std::string rest) {
    while (true) {
      size_t colon = rest.find(':');
      if (colon == std::string::npos) return rest;
      std::string name = trim(rest.substr(0, colon));
      if (!isIdentifier(name)) fail(line, "bad label '" + name + "'");
      if (labels_.count(name)) fail(line, "duplicate label '" + name + "'");
      labels_[name] = location_;
      rest = trim(rest.substr(colon + 1));
    }
  }

  void place(const Statement& st) {
    if (location_ >= kProgramSize)
      fail(st.line, "program exceeds 1024 instructions (address " + hex3(location_) + ")");
    if (used_[location_])
      fail(st.line, "program address " + hex3(location_) + " is used twice");
    used_[location_] = true;
    statements_.push_back(st);
    ++location_;
  }

  void defineConstant(int line, const std::vector<std::string>& ops) {
    if (ops.size() != 2 || !isIdentifier(ops[0]))
      fail(line, "CONSTANT expects a name and a value");
    std::optional<int> value = parseHex(ops[1], 0xFF);
    if (!value && constants_.count(ops[1])) value = constants_[ops[1]];
    if (!value) fail(line, "bad constant value '" + ops[1] + "'");
    auto it = constants_.find(ops[0]);
    if (it != constants_.end() && it->second != *value)
      fail(line, "constant '" + ops[0] + "' defined twice with different values");
    constants_[ops[0]] = *value;
  }

  void defineRegisterName(int line, const std::vector<std::string>& ops) {
    std::optional<int> reg = ops.size() == 2 ? registerOf(ops[0]) : std::nullopt;
    if (!reg || !isIdentifier(ops[1]))
      fail(line, "NAMEREG expects a register and a name");
    aliases_[ops[1]] = *reg;
  }

  void setAddress(int line, const std::vector<std::string>& ops) {
    std::optional<int> addr = ops.size() == 1 ? parseHex(ops[0], kProgramSize - 1) : std::nullopt;
    if (!addr) fail(line, "ADDRESS expects a program address 000..3FF");
    location_ = *addr;
  }

  // ---- pass 2 ----

  std::optional<int> registerOf(const std::string& tok) const {
    if (tok.size() == 2 && (tok[0] == 's' || tok[0] == 'S')) {
      std::optional<int> n = parseHex(tok.substr(1), 15);
      if (n) return n;
    }
    auto it = aliases_.find(tok);
    if (it != aliases_.end()) return it->second;
    return std::nullopt;
  }

  std::optional<int> constantOf(const std::string& tok) const {
    auto it = constants_.find(tok);
    if (it != constants_.end()) return it->second;
    return parseHex(tok, 0xFF);
  }

  std::optional<Cond> conditionOf(const std::string& tok) const {
    std::string u = upper(tok);
    if (u == "Z") return Cond::Z;
    if (u == "NZ") return Cond::NZ;
    if (u == "C") return Cond::C;
    if (u == "NC") return Cond::NC;
    return std::nullopt;
  }

  [[noreturn]] void badOperand(const Statement& st, const std::string& tok) {
    fail(st.line, "bad operand '" + tok + "' for " + st.mnemonic);
  }

  void expectCount(const Statement& st, size_t lo, size_t hi) {
    size_t n = st.operands.size();
    if (n < lo || n > hi)
      fail(st.line, st.mnemonic + " takes " + std::to_string(lo) +
                        (lo == hi ? "" : " or " + std::to_string(hi)) + " operand(s)");
    for (const std::string& op : st.operands)
      if (op.empty()) fail(st.line, "empty operand for " + st.mnemonic);
  }

  uint8_t needRegister(const Statement& st, const std::string& tok) {
    std::optional<int> r = registerOf(tok);
    if (!r) badOperand(st, tok);
    return static_cast<uint8_t>(*r);
  }

  // "(sY)" or a constant: the second operand of FETCH/STORE/INPUT/OUTPUT.
  void decodeIndirect(const Statement& st, Instr& in) {
    const std::string& tok = st.operands[1];
    if (tok.size() > 2 && tok.front() == '(' && tok.back() == ')') {
      in.yIsReg = true;
      in.y = needRegister(st, trim(tok.substr(1, tok.size() - 2)));
      return;
    }
    std::optional<int> k = constantOf(tok);
    if (!k) badOperand(st, tok);
    in.y = static_cast<uint8_t>(*k);
  }

  uint16_t decodeTarget(const Statement& st, const std::string& tok) {
    auto it = labels_.find(tok);
    if (it != labels_.end()) {
      if (it->second >= kProgramSize) fail(st.line, "label '" + tok + "' is past the end of program memory");
      return static_cast<uint16_t>(it->second);
    }
    std::optional<int> addr = parseHex(tok, kProgramSize - 1);
    if (!addr) {
      if (isIdentifier(tok)) fail(st.line, "undefined label '" + tok + "'");
      badOperand(st, tok);
    }
    return static_cast<uint16_t>(*addr);
  }

  void decodeBranch(const Statement& st, Instr& in) {
    expectCount(st, 1, 2);
    if (st.operands.size() == 2) {
      std::optional<Cond> c = conditionOf(st.operands[0]);
      if (!c) badOperand(st, st.operands[0]);
      in.cond = *c;
    }
    in.target = decodeTarget(st, st.operands.back());
  }

  Instr decode(const Statement& st) {
    const Mnemonic& m = mnemonics().at(st.mnemonic);
    Instr in;
    in.op = m.op;
    in.line = st.line;
    in.text = st.text;
    switch (m.form) {
      case Form::RegOrConst: {
        expectCount(st, 2, 2);
        in.x = needRegister(st, st.operands[0]);
        if (std::optional<int> r = registerOf(st.operands[1])) {
          in.yIsReg = true;
          in.y = static_cast<uint8_t>(*r);
        } else if (std::optional<int> k = constantOf(st.operands[1])) {
          in.y = static_cast<uint8_t>(*k);
        } else {
          badOperand(st, st.operands[1]);
        }
        break;
      }
      case Form::Shift:
        expectCount(st, 1, 1);
        in.x = needRegister(st, st.operands[0]);
        break;
      case Form::Memory:
      case Form::Port:
        expectCount(st, 2, 2);
        in.x = needRegister(st, st.operands[0]);
        decodeIndirect(st, in);
        break;
      case Form::Branch:
        decodeBranch(st, in);
        break;
      case Form::Return:
        expectCount(st, 0, 1);
        if (!st.operands.empty()) {
          std::optional<Cond> c = conditionOf(st.operands[0]);
          if (!c) badOperand(st, st.operands[0]);
          in.cond = *c;
        }
        break;
      case Form::ReturnI: {
        expectCount(st, 1, 1);
        std::string u = upper(st.operands[0]);
        if (u != "ENABLE" && u != "DISABLE") badOperand(st, st.operands[0]);
        in.enable = u == "ENABLE";
        break;
      }
      case Form::Interrupt:
        expectCount(st, 1, 1);
        if (upper(st.operands[0]) != "INTERRUPT") badOperand(st, st.operands[0]);
        break;
    }
    return in;
  }

  Program prog_;
  int location_ = 0;
  std::array<bool, kProgramSize> used_{};
  std::vector<Statement> statements_;
  std::map<std::string, int> labels_;
  std::map<std::string, int> constants_;
  std::map<std::string, int> aliases_;
};

}  // namespace

Program assemble(const std::string& text, const std::string& fileName) {
  return Assembler(fileName).run(text);
}

}  // namespace tarvelsim
