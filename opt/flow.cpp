// Control flow and backward register liveness over a function's lines.
#include "opt/flow.h"

namespace opt {

Callee Context::unknownCallee() const {
  // Compiled code passes nothing in s6..sC and no flags: an unknown
  // callee may read what compiled code uses, and change anything.
  Callee c;
  for (int r = 0; r < 16; ++r)
    if (r < 6 || r >= kSD) c.use.set(r);
  c.clobber = allMachineRegs();
  c.clobber.reset(kSE).reset(kSF);
  return c;
}

const Callee& Context::callee(const std::string& label) const {
  static const Callee unknown = Context().unknownCallee();
  auto it = callees.find(label);
  return it == callees.end() ? unknown : it->second;
}

std::string Context::newLabel() const {
  std::string name;
  do name = "opt_" + std::to_string(labels_++);
  while (reserved.count(name));
  return name;
}

// A CALL reads what the callee reads and the stack pointer, and changes the
// callee's registers and the flags. A conditional CALL may or may not
// change them, so it is treated as reading everything.
Effects effectsIn(const Line& l, const Context& ctx) {
  if (l.kind != Line::Instr || l.op != "CALL") {
    Effects e = effectsOf(l);
    if (l.kind == Line::Instr && l.op == "RETURN") e.use |= ctx.exitLive;
    return e;
  }
  Effects e;
  e.fixed = true;
  const Callee& c = ctx.callee(l.a);
  e.use = c.use;
  e.use.set(kSF).set(kSE);
  if (l.cond.empty()) {
    e.def = c.clobber;
    e.def.set(kZ).set(kC);
  } else {
    e.use = allMachineRegs();
  }
  return e;
}

bool successors(const std::vector<Line>& lines, std::vector<std::vector<int>>& succ) {
  std::map<std::string, int> labels;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].kind == Line::Label) labels[lines[i].text] = static_cast<int>(i);
  int n = static_cast<int>(lines.size());
  succ.assign(n, {});
  for (int i = 0; i < n; ++i) {
    const Line& l = lines[i];
    bool jump = l.kind == Line::Instr && l.op == "JUMP";
    bool ret = l.kind == Line::Instr && (l.op == "RETURN" || l.op == "RETURNI");
    if ((jump || ret) && l.cond.empty() && !(ret && l.op == "RETURNI")) {
      if (jump) {
        auto it = labels.find(l.a);
        if (it == labels.end()) return false;
        succ[i].push_back(it->second);
      }
      continue;
    }
    if (l.kind == Line::Instr && l.op == "RETURNI") return false;
    if (i + 1 >= n) return false;
    succ[i].push_back(i + 1);
    if (jump) {
      auto it = labels.find(l.a);
      if (it == labels.end()) return false;
      succ[i].push_back(it->second);
    }
  }
  return true;
}

RegSet liveBefore(const Line& l, const RegSet& after, const Context& ctx) {
  Effects e = effectsIn(l, ctx);
  return e.use | (after & ~e.def);
}

// Round-robin backward iteration: the code is laid out mostly forward, so
// walking it backwards converges in a few rounds.
std::vector<RegSet> liveAfter(const std::vector<Line>& lines,
                              const std::vector<std::vector<int>>& succ, const Context& ctx) {
  int n = static_cast<int>(lines.size());
  std::vector<Effects> eff(n);
  for (int i = 0; i < n; ++i) eff[i] = effectsIn(lines[i], ctx);
  std::vector<RegSet> in(n), out(n);
  bool changed = true;
  while (changed) {
    changed = false;
    for (int i = n - 1; i >= 0; --i) {
      RegSet o;
      for (int s : succ[i]) o |= in[s];
      RegSet newIn = eff[i].use | (o & ~eff[i].def);
      out[i] = o;
      if (newIn != in[i]) {
        in[i] = newIn;
        changed = true;
      }
    }
  }
  return out;
}

std::vector<std::optional<RegFacts>> forwardFacts(
    const std::vector<Line>& lines, const std::vector<std::vector<int>>& succ,
    const std::function<void(RegFacts&, const Line&)>& step) {
  std::vector<std::optional<RegFacts>> in(lines.size());
  if (lines.empty()) return in;
  in[0].emplace();
  in[0]->fill(-1);
  std::vector<int> work{0};
  while (!work.empty()) {
    int i = work.back();
    work.pop_back();
    RegFacts s = *in[i];
    step(s, lines[i]);
    for (int t : succ[i]) {
      RegFacts m = s;
      if (in[t])
        for (int r = 0; r < 16; ++r) m[r] = (*in[t])[r] == s[r] ? s[r] : -1;
      if (!in[t] || m != *in[t]) {
        in[t] = m;
        work.push_back(t);
      }
    }
  }
  return in;
}

}  // namespace opt
