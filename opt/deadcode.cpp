// Dead-code removal by register and flag liveness.
#include "opt/passes.h"

namespace opt {

// An instruction goes when nothing reads what it writes: no register it
// sets and no flag it sets is live afterwards, and it touches neither
// memory, ports nor control flow. A SUB whose difference is dead but whose
// flags are read becomes a COMPARE, which sets the same flags.
bool removeDeadCode(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  std::vector<RegSet> after = liveAfter(lines, succ, ctx);
  bool changed = false;
  std::vector<Line> kept;
  kept.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& l = lines[i];
    if (l.kind == Line::Instr) {
      Effects e = effectsIn(l, ctx);
      bool selfCopy = l.op == "LOAD" && regOf(l.a) >= 0 && regOf(l.a) == regOf(l.b);
      if (selfCopy || (!e.fixed && e.def.any() && (e.def & after[i]).none())) {
        changed = true;
        continue;
      }
      int d = regOf(l.a);
      if (l.op == "SUB" && d >= 0 && !after[i].test(d)) {
        l.op = "COMPARE";
        changed = true;
      }
    }
    kept.push_back(l);
  }
  lines.swap(kept);
  return changed;
}

}  // namespace opt
