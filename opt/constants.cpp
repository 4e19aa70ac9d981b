// Constant propagation: which registers hold a known byte at each line, and
// the rewrites that knowledge allows.
#include "opt/passes.h"

namespace opt {
namespace {

using State = RegFacts;  // a known byte 0..255, or -1

int valueOf(const State& s, const std::string& operand) {
  int r = regOf(operand);
  if (r >= 0) return r < 16 ? s[r] : -1;
  return immOf(operand);
}

// The byte an ALU operation computes from known operands, or -1 where the
// result depends on the carry or is not modelled.
int fold(const std::string& op, int x, int y) {
  if (op == "ADD") return (x + y) & 0xFF;
  if (op == "SUB") return (x - y) & 0xFF;
  if (op == "AND") return x & y;
  if (op == "OR") return x | y;
  if (op == "XOR") return x ^ y;
  if (op == "SL0") return (x << 1) & 0xFF;
  if (op == "SR0") return x >> 1;
  return -1;
}

void step(State& s, const Line& l, const Context& ctx) {
  if (l.kind != Line::Instr) return;
  Effects e = effectsIn(l, ctx);
  int d = regOf(l.a);
  int result = -1;
  if (l.op == "LOAD" && d >= 0 && d < 16) {
    result = valueOf(s, l.b);
  } else if (isAlu(l.op) && d >= 0 && d < 16 && s[d] >= 0) {
    int y = l.b.empty() ? 0 : valueOf(s, l.b);
    if (y >= 0) result = fold(l.op, s[d], y);
  }
  for (int r = 0; r < 16; ++r)
    if (e.def.test(r)) s[r] = -1;
  if (d >= 0 && d < 16 && e.def.test(d)) s[d] = result;
}

}  // namespace

std::vector<std::optional<RegFacts>> knownBytes(const std::vector<Line>& lines,
                                                const std::vector<std::vector<int>>& succ,
                                                const Context& ctx) {
  return forwardFacts(lines, succ, [&](State& s, const Line& l) { step(s, l, ctx); });
}

// Replaces a register operand that holds a known byte by the byte itself,
// an indirect address that is a known data address by the direct form, and
// drops a LOAD of the value the register already holds (LOAD leaves the
// flags alone, so nothing else can notice).
bool propagateConstants(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  int n = static_cast<int>(lines.size());
  auto in = knownBytes(lines, succ, ctx);
  bool changed = false;
  std::vector<Line> kept;
  for (int i = 0; i < n; ++i) {
    Line l = lines[i];
    if (l.kind == Line::Instr && in[i]) {
      const State& s = *in[i];
      int d = regOf(l.a), src = regOf(l.b);
      if (l.op == "LOAD" && d >= 0 && d < 16 && s[d] >= 0 && s[d] == valueOf(s, l.b)) {
        changed = true;
        continue;
      }
      if ((l.op == "LOAD" || isAlu(l.op)) && src >= 0 && src < 16 && s[src] >= 0) {
        l.b = hexByte(s[src]);
        changed = true;
      }
      int addr = indirectReg(l.b);
      if ((l.op == "FETCH" || l.op == "STORE") && addr >= 0 && addr < 16 && s[addr] >= 0 &&
          s[addr] < 0x40) {
        l.b = hexByte(s[addr]);
        changed = true;
      }
    }
    kept.push_back(l);
  }
  lines.swap(kept);
  return changed;
}

}  // namespace opt
