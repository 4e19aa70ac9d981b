// Frame promotion: a function's stack-frame bytes (parameters, locals and
// the temporaries the compiler pushes) become virtual registers, which
// color.cpp then maps onto free machine registers.
//
// It applies only when every frame access can be told apart at compile
// time: an abstract run of the function tracks which registers hold
// "frame base + k" (base: the stack pointer at entry, where the first
// parameter lies). If such an address is stored, returned, combined with
// another register or merges with a different value, the frame is said to
// escape and the function keeps its frame unchanged.
//
// After promotion the function has no frame pointer and never moves the
// stack pointer except to pass arguments: parameters are fetched into
// their registers at entry, and before each CALL the arguments are pushed
// from their registers, as the callee expects them.
#include <array>
#include <map>
#include <optional>

#include "opt/passes.h"

namespace opt {
namespace {

struct Val {
  enum Kind { Other, Const, Frame, Mixed } kind = Other;
  int v = 0;
  bool operator==(const Val& o) const { return kind == o.kind && v == o.v; }
  bool frameish() const { return kind == Frame || kind == Mixed; }
};
using State = std::array<Val, 16>;

Val join(const Val& a, const Val& b) {
  if (a == b) return a;
  if (a.frameish() || b.frameish()) return {Val::Mixed, 0};
  return {};
}

// One instruction of the abstract run; clears `ok` when a frame address
// escapes or is used in a way the promotion cannot follow.
void step(State& s, const Line& l, const Context& ctx, bool& ok) {
  if (l.kind != Line::Instr) return;
  int d = regOf(l.a), src = regOf(l.b), addr = indirectReg(l.b);
  if (d >= 16 || src >= 16 || addr >= 16) {
    ok = false;
    return;
  }
  if (l.op == "LOAD" && d >= 0) {
    s[d] = src >= 0 ? s[src] : immOf(l.b) >= 0 ? Val{Val::Const, immOf(l.b)} : Val{};
    return;
  }
  if ((l.op == "ADD" || l.op == "SUB") && d >= 0 && s[d].frameish()) {
    int imm = src >= 0 ? (s[src].kind == Val::Const ? s[src].v : -1) : immOf(l.b);
    if (imm < 0) ok = false;
    if (s[d].kind == Val::Frame) s[d].v += l.op == "ADD" ? imm : -imm;
    return;
  }
  if (l.op == "FETCH" || l.op == "STORE") {
    if (addr >= 0 && s[addr].kind == Val::Mixed) ok = false;
    if (l.op == "STORE" && d >= 0 && s[d].frameish()) ok = false;
    if (l.op == "FETCH" && d >= 0) s[d] = Val{};
    return;
  }
  if (l.op == "CALL" || l.op == "ASM") {
    // An asm block gets no frame address: whatever it finds in a register
    // is not the optimizer's to keep.
    RegSet clobber = l.op == "ASM" ? effectsOf(l).def : ctx.callee(l.a).clobber;
    for (int r = 0; r < 16; ++r)
      if (clobber.test(r)) s[r] = Val{};
    return;
  }
  Effects e = effectsOf(l);
  if (l.op == "RETURN") e.use |= ctx.exitLive;
  for (int r = 0; r < 16; ++r)
    if (e.use.test(r) && s[r].frameish() && !(l.op == "RETURN" && r >= kSE)) ok = false;
  for (int r = 0; r < 16; ++r)
    if (e.def.test(r)) s[r] = Val{};
}

struct Frame {
  std::vector<std::optional<State>> in;  // the state before each line
  bool ok = true;
};

Frame analyse(const std::vector<Line>& lines, const std::vector<std::vector<int>>& succ,
              const Context& ctx) {
  Frame f;
  f.in.assign(lines.size(), std::nullopt);
  State entry;
  entry[kSF] = {Val::Frame, 0};
  f.in[0] = entry;
  std::vector<int> work{0};
  while (!work.empty() && f.ok) {
    int i = work.back();
    work.pop_back();
    State s = *f.in[i];
    step(s, lines[i], ctx, f.ok);
    for (int t : succ[i]) {
      State m = s;
      if (f.in[t])
        for (int r = 0; r < 16; ++r) m[r] = join((*f.in[t])[r], s[r]);
      if (!f.in[t] || m != *f.in[t]) {
        f.in[t] = m;
        work.push_back(t);
      }
    }
  }
  return f;
}

// Builds the promoted lines; returns false when a case is met that the
// rewrite does not handle.
class Rewriter {
 public:
  Rewriter(const Context& ctx, int ownParams) : ctx_(ctx), ownParams_(ownParams) {}
  bool run(const std::vector<Line>& lines, std::vector<Line>& out);

 private:
  bool rewrite(const Line& l, const State& s, const RegSet& liveAfter, std::vector<Line>& out);
  std::string slot(int k) {
    auto it = slots_.find(k);
    if (it != slots_.end()) return regName(it->second);
    int reg = kFirstVirtual + static_cast<int>(slots_.size());
    if (reg >= kRegLimit) ok_ = false;
    slots_[k] = reg;
    return regName(reg);
  }
  bool addParamLoads(std::vector<Line>& out);

  const Context& ctx_;
  int ownParams_;
  std::map<int, int> slots_;  // frame offset -> virtual register
  bool ok_ = true;
};

bool Rewriter::rewrite(const Line& l, const State& s, const RegSet& liveAfter,
                       std::vector<Line>& out) {
  if (l.kind != Line::Instr) {
    out.push_back(l);
    return true;
  }
  int d = regOf(l.a), addr = indirectReg(l.b);
  if ((l.op == "FETCH" || l.op == "STORE") && addr >= 0 && s[addr].kind == Val::Frame) {
    int k = s[addr].v;
    if (k == -1) return d == kSE;  // saving and restoring the caller's sE
    if (k >= 0 && k >= ownParams_) return false;
    if (l.op == "FETCH") out.push_back(makeInstr("LOAD", l.a, slot(k)));
    else out.push_back(makeInstr("LOAD", slot(k), l.a));
    return true;
  }
  if (l.op == "CALL") {
    int params = ctx_.callee(l.a).paramBytes;
    if (params < 0 || s[kSF].kind != Val::Frame) return false;
    if (params > 0 && (liveAfter.test(kZ) || liveAfter.test(kC))) return false;
    int depth = s[kSF].v;
    for (int j = params - 1; j >= 0; --j) {
      if (!slots_.count(depth + j)) return false;
      out.push_back(makeInstr("SUB", "sF", "01"));
      out.push_back(makeInstr("STORE", slot(depth + j), "(sF)"));
    }
    out.push_back(l);
    if (params > 0) out.push_back(makeInstr("ADD", "sF", hexByte(params)));
    return true;
  }
  // Address arithmetic disappears with the frame; the flags it sets must
  // not be needed.
  State after = s;
  bool ok = true;
  step(after, l, ctx_, ok);
  Effects e = effectsOf(l);
  for (int r = 0; r < 16; ++r) {
    if (e.def.test(r) && after[r].frameish()) {
      return !(e.def.test(kZ) && liveAfter.test(kZ)) && !(e.def.test(kC) && liveAfter.test(kC));
    }
  }
  if (e.use.test(kSE) || e.use.test(kSF) || e.def.test(kSE) || e.def.test(kSF)) return false;
  out.push_back(l);
  return true;
}

// Fetches each parameter byte the body reads into its register at entry,
// walking sD up the parameters.
bool Rewriter::addParamLoads(std::vector<Line>& out) {
  std::vector<std::vector<int>> succ;
  if (!successors(out, succ)) return false;
  std::vector<RegSet> after = liveAfter(out, succ, ctx_);
  RegSet live = after[0];
  std::vector<Line> loads;
  int at = -1;  // the parameter sD points at, -1 before sD is set
  for (auto [k, reg] : slots_) {
    if (!live.test(reg)) continue;
    if (k < 0) return false;  // a local read before it is written
    if (k == 0) {
      loads.push_back(makeInstr("FETCH", regName(reg), "(sF)"));
      continue;
    }
    if (at < 0) loads.push_back(makeInstr("LOAD", "sD", "sF")), at = 0;
    loads.push_back(makeInstr("ADD", "sD", hexByte(k - at)));
    loads.push_back(makeInstr("FETCH", regName(reg), "(sD)"));
    at = k;
  }
  if (at >= 0 && (live.test(kSD) || live.test(kZ) || live.test(kC))) return false;
  out.insert(out.begin() + 1, loads.begin(), loads.end());
  return true;
}

bool Rewriter::run(const std::vector<Line>& lines, std::vector<Line>& out) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  Frame f = analyse(lines, succ, ctx_);
  if (!f.ok) return false;
  std::vector<RegSet> after = liveAfter(lines, succ, ctx_);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!f.in[i]) continue;
    const State& s = *f.in[i];
    if (lines[i].kind == Line::Instr && lines[i].op == "RETURN" &&
        !(s[kSF] == Val{Val::Frame, 0}))
      return false;
    if (!rewrite(lines[i], s, after[i], out) || !ok_) return false;
  }
  return addParamLoads(out);
}

}  // namespace

bool promoteFrame(std::vector<Line>& lines, const Context& ctx, int ownParams) {
  std::vector<Line> out;
  Rewriter rewriter(ctx, ownParams < 0 ? 0 : ownParams);
  if (!rewriter.run(lines, out)) return false;
  splitWebs(out, ctx);
  if (!colorFrame(out, ctx)) return false;
  lines.swap(out);
  return true;
}

}  // namespace opt
