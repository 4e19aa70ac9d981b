// Register assignment for the virtual registers of a promoted frame: greedy
// coloring of the interference graph, trying first the register a copy
// instruction moves the value from or to, so that the copy disappears.
#include <algorithm>

#include "opt/passes.h"

namespace opt {
namespace {

// Registers tried in this order: the run-time routines' work registers
// first, so that callers keep s6..sC for values that live across calls.
const int kOrder[] = {4, 5, 1, 0, 13, 3, 2, 6, 7, 8, 9, 10, 11, 12};

void rename(std::string& operand, const std::vector<int>& color) {
  int r = regOf(operand);
  if (r >= kFirstVirtual) operand = regName(color[r]);
}

}  // namespace

bool colorFrame(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  std::vector<RegSet> after = liveAfter(lines, succ, ctx);
  std::vector<RegSet> edges(kRegLimit);
  std::vector<std::vector<int>> partners(kRegLimit);
  std::vector<int> order;
  RegSet seen;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    Effects e = effectsIn(l, ctx);
    int copyFrom = l.kind == Line::Instr && l.op == "LOAD" ? regOf(l.b) : -1;
    for (int r : {regOf(l.a), copyFrom})
      if (r >= kFirstVirtual && !seen.test(r)) seen.set(r), order.push_back(r);
    if (copyFrom >= 0) {
      int to = regOf(l.a);
      partners[to].push_back(copyFrom);
      partners[copyFrom].push_back(to);
    }
    for (int d = 0; d < kRegLimit; ++d) {
      if (!e.def.test(d)) continue;
      for (int x = 0; x < kRegLimit; ++x) {
        if (!after[i].test(x) || x == d || x == copyFrom) continue;
        if (d < kFirstVirtual && x < kFirstVirtual) continue;
        edges[d].set(x);
        edges[x].set(d);
      }
    }
  }
  std::vector<int> color(kRegLimit, -1);
  for (int r = 0; r < kFirstVirtual; ++r) color[r] = r;
  for (int v : order) {
    RegSet taken;
    for (int x = 0; x < kRegLimit; ++x)
      if (edges[v].test(x) && color[x] >= 0) taken.set(color[x]);
    auto allowed = [&](int c) { return c >= 0 && c < 16 && ctx.pool.test(c) && !taken.test(c); };
    for (int p : partners[v])
      if (color[v] < 0 && allowed(color[p])) color[v] = color[p];
    for (int c : kOrder)
      if (color[v] < 0 && allowed(c)) color[v] = c;
    if (color[v] < 0) return false;
  }
  for (Line& l : lines) {
    rename(l.a, color);
    rename(l.b, color);
  }
  return true;
}

}  // namespace opt
