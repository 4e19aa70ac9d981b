// Parsing, printing and the register effects of single assembly lines.
#include "opt/asm.h"

#include <cctype>
#include <cstdio>

namespace opt {
namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

bool isCondition(const std::string& s) {
  std::string u = upper(s);
  return u == "Z" || u == "NZ" || u == "C" || u == "NC";
}

bool isShift(const std::string& op) {
  return op == "SL0" || op == "SL1" || op == "SLX" || op == "SLA" || op == "RL" || op == "SR0" ||
         op == "SR1" || op == "SRX" || op == "SRA" || op == "RR";
}

void useOperand(RegSet& use, const std::string& operand) {
  int r = regOf(operand);
  if (r < 0) r = indirectReg(operand);
  if (r >= 0) use.set(r);
}

}  // namespace

// Compiled code writes one statement per line: an optional "label:" at
// column 0 or an instruction with an optional trailing comment. Anything
// else (comments, directives) is kept as text.
Line parseLine(const std::string& text) {
  Line l;
  l.text = text;
  std::string body = trim(text.substr(0, text.find(';')));
  if (body.empty()) return l;
  if (body.back() == ':' && body.find_first_of(" \t") == std::string::npos) {
    l.kind = Line::Label;
    l.text = body.substr(0, body.size() - 1);
    return l;
  }
  size_t sp = body.find_first_of(" \t");
  std::string op = upper(body.substr(0, sp));
  if (op == "CONSTANT" || op == "NAMEREG" || op == "ADDRESS" || body.find(':') != std::string::npos)
    return l;
  l.kind = Line::Instr;
  l.op = op;
  std::string rest = sp == std::string::npos ? "" : trim(body.substr(sp));
  size_t comma = rest.find(',');
  l.a = trim(rest.substr(0, comma));
  if (comma != std::string::npos) l.b = trim(rest.substr(comma + 1));
  if ((op == "JUMP" || op == "CALL") && !l.b.empty() && isCondition(l.a)) {
    l.cond = upper(l.a);
    l.a = l.b;
    l.b.clear();
  } else if (op == "RETURN" && isCondition(l.a)) {
    l.cond = upper(l.a);
    l.a.clear();
  }
  return l;
}

std::string printLine(const Line& l) {
  if (l.kind == Line::Text || isAsmBlock(l)) return l.text;
  if (l.kind == Line::Label) return l.text + ":";
  std::string out = "        " + l.op;
  std::string args = l.cond;
  if (!l.a.empty()) args += (args.empty() ? "" : ",") + l.a;
  if (!l.b.empty()) args += "," + l.b;
  if (!args.empty()) out += std::string(out.size() < 16 ? 16 - out.size() : 1, ' ') + args;
  return out;
}

Line makeInstr(const std::string& op, const std::string& a, const std::string& b) {
  Line l;
  l.kind = Line::Instr;
  l.op = op;
  l.a = a;
  l.b = b;
  return l;
}

int regOf(const std::string& s) {
  if (s.size() == 2 && (s[0] == 's' || s[0] == 'S')) {
    char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  }
  if (s.size() > 1 && s[0] == 'v' && std::isdigit(static_cast<unsigned char>(s[1])))
    return std::atoi(s.c_str() + 1);
  return -1;
}

int indirectReg(const std::string& s) {
  if (s.size() < 3 || s.front() != '(' || s.back() != ')') return -1;
  return regOf(trim(s.substr(1, s.size() - 2)));
}

std::string regName(int r) {
  if (r >= kFirstVirtual) return "v" + std::to_string(r);
  return std::string("s") + "0123456789ABCDEF"[r];
}

int immOf(const std::string& s) {
  if (s.empty() || s.size() > 2 || regOf(s) >= 0) return -1;
  for (char c : s)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return -1;
  return static_cast<int>(std::strtol(s.c_str(), nullptr, 16));
}

std::string hexByte(int v) {
  char buf[4];
  std::snprintf(buf, sizeof buf, "%02X", v & 0xFF);
  return buf;
}

bool isJump(const Line& l) { return l.kind == Line::Instr && l.op == "JUMP"; }
bool isAsmBlock(const Line& l) { return l.kind == Line::Instr && l.op == "ASM"; }

bool isAlu(const std::string& op) {
  return op == "ADD" || op == "ADDCY" || op == "SUB" || op == "SUBCY" || op == "AND" ||
         op == "OR" || op == "XOR" || op == "COMPARE" || op == "TEST" || isShift(op);
}

RegSet allMachineRegs() {
  RegSet s;
  for (int r = 0; r < kFirstVirtual; ++r) s.set(r);
  return s;
}

Effects effectsOf(const Line& l) {
  Effects e;
  if (l.kind != Line::Instr) return e;
  const std::string& op = l.op;
  int a = regOf(l.a);
  if (op == "LOAD" && a >= 0) {
    e.def.set(a);
    useOperand(e.use, l.b);
  } else if (isShift(op) && a >= 0) {
    e.use.set(a);
    e.def.set(a).set(kZ).set(kC);
    if (op == "SLA" || op == "SRA") e.use.set(kC);
  } else if (isAlu(op) && a >= 0) {
    e.use.set(a);
    useOperand(e.use, l.b);
    e.def.set(kZ).set(kC);
    if (op != "COMPARE" && op != "TEST") e.def.set(a);
    if (op == "ADDCY" || op == "SUBCY") e.use.set(kC);
  } else if ((op == "FETCH" || op == "INPUT") && a >= 0) {
    e.def.set(a);
    useOperand(e.use, l.b);
    e.fixed = true;
  } else if ((op == "STORE" || op == "OUTPUT") && a >= 0) {
    e.use.set(a);
    useOperand(e.use, l.b);
    e.fixed = true;
  } else if (op == "ENABLE" || op == "DISABLE") {
    // Switching interrupts: the interrupt entry saves every register the
    // handler changes, so no register can be seen to change.
    e.fixed = true;
  } else if (op == "ASM") {
    // An asm block may read and write every register but the frame and
    // stack pointers, which it does not name. The flags it may find are
    // whatever the last compiled instruction left, nothing it can rely on.
    e.def = allMachineRegs();
    e.def.reset(kSE).reset(kSF);
    e.use = e.def;
    e.use.reset(kZ).reset(kC);
    e.fixed = true;
  } else if (op == "JUMP" || op == "RETURN") {
    if (!l.cond.empty()) e.use.set(l.cond.back() == 'Z' ? kZ : kC);
    e.fixed = true;
  } else {
    e.use = allMachineRegs();
    e.def = allMachineRegs();
    e.fixed = true;
  }
  return e;
}

}  // namespace opt
