// Copy propagation: after "LOAD s0,s6" a read of s0 can read s6 instead,
// which often leaves the copy itself dead.
#include "opt/passes.h"

namespace opt {
namespace {

using State = RegFacts;  // the register r is known to equal, or -1

void kill(State& s, int r) {
  s[r] = -1;
  for (int& q : s)
    if (q == r) q = -1;
}

void step(State& s, const Line& l, const Context& ctx) {
  if (l.kind != Line::Instr) return;
  Effects e = effectsIn(l, ctx);
  for (int r = 0; r < 16; ++r)
    if (e.def.test(r)) kill(s, r);
  int d = regOf(l.a), src = regOf(l.b);
  if (l.op == "LOAD" && d >= 0 && d < 16 && src >= 0 && src < 16 && src != d)
    s[d] = s[src] >= 0 ? s[src] : src;
}

// Operands that are only read: the second operand of everything, and the
// first of COMPARE, TEST, STORE and OUTPUT.
bool firstIsReadOnly(const std::string& op) {
  return op == "COMPARE" || op == "TEST" || op == "STORE" || op == "OUTPUT";
}

}  // namespace

bool propagateCopies(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ) || lines.empty()) return false;
  int n = static_cast<int>(lines.size());
  auto in = forwardFacts(lines, succ, [&](State& s, const Line& l) { step(s, l, ctx); });
  bool changed = false;
  for (int i = 0; i < n; ++i) {
    Line& l = lines[i];
    if (!in[i] || l.kind != Line::Instr || l.op == "CALL") continue;
    const State& s = *in[i];
    auto replace = [&](std::string& operand, bool indirect) {
      int r = indirect ? indirectReg(operand) : regOf(operand);
      if (r < 0 || r >= 16 || s[r] < 0) return;
      operand = indirect ? "(" + regName(s[r]) + ")" : regName(s[r]);
      changed = true;
    };
    if (l.op == "LOAD" || isAlu(l.op)) replace(l.b, false);
    if (l.op == "FETCH" || l.op == "STORE" || l.op == "INPUT" || l.op == "OUTPUT") replace(l.b, true);
    if (firstIsReadOnly(l.op)) replace(l.a, false);
  }
  return changed;
}

}  // namespace opt
