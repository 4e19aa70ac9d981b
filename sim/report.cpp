#include "report.h"

#include <cstdio>

#include "variables.h"

namespace tarvelsim {
namespace {

std::string format(const char* fmt, int a, int b = 0) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a, b);
  return buf;
}

// What the instruction changed, so that a trace can be read without
// replaying it by hand.
std::string effect(const Instr& in, const Machine& m) {
  if (assembly::writesRegisterX(in.op)) return format("s%X=%02X", in.x, m.regs[in.x]);
  if (in.op == Op::Store) {
    int addr = in.yIsReg ? m.regs[in.y] : in.y;
    return format("[%02X]=%02X", addr, m.regs[in.x]);
  }
  if (in.op == Op::Call || in.op == Op::Return || in.op == Op::ReturnI)
    return format("depth=%d", static_cast<int>(m.callStack.size()));
  return "";
}

}  // namespace

std::string traceLine(uint16_t pc, const Instr& in, const Machine& m, const std::string& cLine) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%03X %5d  %-28s %-10s Z=%d C=%d", pc, in.line,
                in.text.c_str(), effect(in, m).c_str(), m.zero ? 1 : 0, m.carry ? 1 : 0);
  return cLine.empty() ? buf : buf + ("  " + cLine);
}

long globalValue(const Machine& m, const Global& g, int index) {
  return readCell(m, cellOf(g, index));
}

void printRegisters(std::ostream& out, const Machine& m) {
  for (int r = 0; r < kRegisterCount; ++r)
    out << format("s%X=%02X", r, m.regs[r]) << (r % 8 == 7 ? "\n" : " ");
}

void printMemory(std::ostream& out, const Machine& m) {
  out << "   ";
  for (int c = 0; c < 16; ++c) out << format(" %2X", c);
  for (int a = 0; a < kDataSize; ++a)
    out << (a % 16 == 0 ? format("\n%02X:", a) : "") << format(" %02X", m.mem[a]);
  out << "\n";
}

void dump(std::ostream& out, const Machine& m, const Program& prog) {
  out << format("pc=%03X steps=", m.pc) << m.steps << " cycles=" << m.cycles
      << format(" Z=%d C=%d", m.zero, m.carry)
      << format(" IE=%d depth=%d\n", m.interruptsEnabled, static_cast<int>(m.callStack.size()));
  printRegisters(out, m);
  out << "memory:\n";
  printMemory(out, m);
  if (!prog.hasMemoryMap) return;
  out << "globals:\n";
  for (const Global& g : prog.globals) {
    if (g.elemSize <= 0) continue;  // void: no storage
    bool fits = g.addr >= 0 && g.addr + g.count * g.elemSize <= kDataSize;
    if (!fits) {
      out << g.name << " = ? (address " << g.addr << " outside data memory)\n";
      continue;
    }
    for (int i = 0; i < g.count; ++i) {
      out << g.name;
      if (g.isArray()) out << "[" << i << "]";
      out << " = " << globalValue(m, g, i) << "\n";
    }
  }
}

}  // namespace tarvelsim
