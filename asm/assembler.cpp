// Two passes: the first places every instruction at its program address and
// collects labels, CONSTANT and NAMEREG definitions (so that a name may be
// used before the line that defines it); the second reads the operands and
// encodes each instruction into its word.
#include "assembler.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "opcodes.h"
#include "text.h"

namespace assembly {
namespace {

// One instruction line waiting for its operands to be read.
struct Statement {
  int line = 0;
  int addr = 0;
  const OpInfo* info = nullptr;
  std::string mnemonic;               // upper case
  std::vector<std::string> operands;  // split at commas, trimmed
  std::string text;                   // the line without comment and label
};

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

[[noreturn]] void fail(int line, const std::string& msg) { throw Error(line, msg); }

// A hex number up to maxValue; "what" names the kind of number for the
// out-of-range message. Nothing when the token is not a number at all.
std::optional<int> numberIn(int line, const std::string& tok, uint32_t maxValue, const char* what) {
  HexNumber n = readHex(tok, maxValue);
  if (n.kind == HexNumber::TooLarge) {
    int digits = maxValue > 0xFF ? 3 : 2;
    fail(line, std::string(what) + " '" + tok + "' is out of range " + hex(0, digits) + ".." +
                   hex(maxValue, digits));
  }
  if (n.kind == HexNumber::NotANumber) return std::nullopt;
  return static_cast<int>(n.value);
}

class Assembler {
 public:
  Assembly run(const std::string& text) {
    result_.lines = splitLines(text);
    for (size_t i = 0; i < result_.lines.size(); ++i)
      scanLine(static_cast<int>(i) + 1, result_.lines[i]);
    if (tooLarge_)
      throw Error(tooLarge_, "the program needs " + std::to_string(end_) + " words, program memory holds " +
                                 std::to_string(kProgramSize), Error::TooLarge);
    if (reachesVector_)
      throw Error(reachesVector_, "the code reaches the interrupt vector at 3FF: the program needs " +
                                      std::to_string(words_) + " words, " +
                                      std::to_string(kProgramSize - 1) + " are free beside the vector",
                  Error::ReachesVector);
    for (const Statement& st : statements_)
      result_.records.push_back(Record{st.addr, encode(decodeOperands(st)), st.line, st.text});
    result_.memoryMap = readMemoryMap(result_.lines);
    result_.labels = labels_;
    return std::move(result_);
  }

 private:
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
    const OpInfo* info = findMnemonic(mnemonic);
    if (!info) fail(line, "unknown mnemonic '" + mnemonic + "'");
    place(Statement{line, location_, info, mnemonic, operands, rest});
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

  // Code past the end of program memory, or code that the interrupt vector
  // lands on, is counted rather than stopped at, so that the message can
  // say how large the whole program is.
  void place(const Statement& st) {
    ++words_;
    end_ = std::max(end_, location_ + 1);
    if (location_ >= kProgramSize) {
      if (!tooLarge_) tooLarge_ = st.line;
      ++location_;
      return;
    }
    if (used_[location_]) {
      if (location_ != kProgramSize - 1)
        fail(st.line, "two instructions at program address " + hex(location_, 3));
      if (!reachesVector_) reachesVector_ = st.line;
      ++location_;
      return;
    }
    used_[location_] = true;
    statements_.push_back(st);
    ++location_;
  }

  void defineConstant(int line, const std::vector<std::string>& ops) {
    if (ops.size() != 2 || !isIdentifier(ops[0]))
      fail(line, "CONSTANT expects a name and a value");
    std::optional<int> value = numberIn(line, ops[1], 0xFF, "constant");
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
    std::optional<int> addr =
        ops.size() == 1 ? numberIn(line, ops[0], kProgramSize - 1, "address") : std::nullopt;
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

  std::optional<int> constantOf(const Statement& st, const std::string& tok) const {
    auto it = constants_.find(tok);
    if (it != constants_.end()) return it->second;
    return numberIn(st.line, tok, 0xFF, "constant");
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

  Cond needCondition(const Statement& st, const std::string& tok) {
    std::optional<Cond> c = findCondition(upper(tok));
    if (!c) badOperand(st, tok);
    return *c;
  }

  // The second operand: a register (ALU forms), "(sY)" (memory and port
  // forms) or a constant.
  void readSecond(const Statement& st, Instruction& in) {
    const std::string& tok = st.operands[1];
    bool indirect = tok.size() > 2 && tok.front() == '(' && tok.back() == ')';
    if (st.info->form == Form::Address && indirect) {
      in.yIsReg = true;
      in.y = needRegister(st, trim(tok.substr(1, tok.size() - 2)));
      return;
    }
    std::optional<int> r = st.info->form == Form::Alu ? registerOf(tok) : std::nullopt;
    std::optional<int> k = r ? r : constantOf(st, tok);
    if (!k) badOperand(st, tok);
    in.yIsReg = r.has_value();
    in.y = static_cast<uint8_t>(*k);
  }

  uint16_t readTarget(const Statement& st, const std::string& tok) {
    auto it = labels_.find(tok);
    if (it != labels_.end()) {
      if (it->second >= kProgramSize)
        fail(st.line, "label '" + tok + "' is past the end of program memory");
      return static_cast<uint16_t>(it->second);
    }
    std::optional<int> addr = numberIn(st.line, tok, kProgramSize - 1, "address");
    if (!addr) {
      if (isIdentifier(tok)) fail(st.line, "undefined label '" + tok + "'");
      badOperand(st, tok);
    }
    return static_cast<uint16_t>(*addr);
  }

  Instruction decodeOperands(const Statement& st) {
    Instruction in;
    in.op = st.info->op;
    switch (st.info->form) {
      case Form::Alu:
      case Form::Address:
        expectCount(st, 2, 2);
        in.x = needRegister(st, st.operands[0]);
        readSecond(st, in);
        break;
      case Form::Shift:
        expectCount(st, 1, 1);
        in.x = needRegister(st, st.operands[0]);
        break;
      case Form::Branch:
        expectCount(st, 1, 2);
        if (st.operands.size() == 2) in.cond = needCondition(st, st.operands[0]);
        in.target = readTarget(st, st.operands.back());
        break;
      case Form::Return:
        expectCount(st, 0, 1);
        if (!st.operands.empty()) in.cond = needCondition(st, st.operands[0]);
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

  Assembly result_;
  int location_ = 0;
  int words_ = 0;          // every instruction, placed or not
  int end_ = 0;            // one past the highest address an instruction wants
  int tooLarge_ = 0;       // line of the first instruction past the end
  int reachesVector_ = 0;  // line of the second instruction at 3FF
  std::array<bool, kProgramSize> used_{};
  std::vector<Statement> statements_;
  std::map<std::string, int> labels_;
  std::map<std::string, int> constants_;
  std::map<std::string, int> aliases_;
};

}  // namespace

std::string formatError(const std::string& file, const Error& e) {
  std::string where = e.line() > 0 ? file + ":" + std::to_string(e.line()) : file;
  return where + ": error: " + e.what();
}

Assembly assemble(const std::string& text) { return Assembler().run(text); }

}  // namespace assembly
