// Splits each virtual register into its webs: the definitions that reach a
// common use belong together, and unrelated reuses of the same frame byte
// (a push slot reused by later expressions) become separate registers, which
// are far easier to fit into the free machine registers.
#include <algorithm>
#include <numeric>
#include <optional>

#include "opt/passes.h"

namespace opt {
namespace {

struct Webs {
  std::vector<int> parent;
  int find(int x) { return parent[x] == x ? x : parent[x] = find(parent[x]); }
  void unite(int a, int b) { parent[find(a)] = find(b); }
};

}  // namespace

bool splitWebs(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  int n = static_cast<int>(lines.size());
  const int nv = kRegLimit - kFirstVirtual;
  // Web n..: a definition at line i of virtual register v is web i*nv+v;
  // a register read before any definition is web n*nv+v.
  Webs webs;
  webs.parent.resize(static_cast<size_t>(n + 1) * nv);
  std::iota(webs.parent.begin(), webs.parent.end(), 0);
  using State = std::vector<int>;  // reaching web per virtual register, -1 none
  std::vector<std::optional<State>> in(n);
  State entry(nv);
  for (int v = 0; v < nv; ++v) entry[v] = n * nv + v;
  in[0] = entry;
  std::vector<int> work{0};
  while (!work.empty()) {
    int i = work.back();
    work.pop_back();
    State s = *in[i];
    Effects e = effectsIn(lines[i], ctx);
    for (int v = 0; v < nv; ++v) {
      if (e.use.test(kFirstVirtual + v) && e.def.test(kFirstVirtual + v)) webs.unite(i * nv + v, s[v]);
      if (e.def.test(kFirstVirtual + v)) s[v] = i * nv + v;
    }
    for (int t : succ[i]) {
      bool changed = !in[t];
      if (!in[t]) in[t] = s;
      for (int v = 0; v < nv; ++v) {
        int a = webs.find((*in[t])[v]), b = webs.find(s[v]);
        if (a != b) webs.unite(a, b), changed = true;
      }
      if (changed) work.push_back(t);
    }
  }
  // Number the webs in use from kFirstVirtual on.
  std::map<int, int> number;
  auto rename = [&](std::string& operand, int web) {
    int id = webs.find(web);
    if (!number.count(id)) number.emplace(id, kFirstVirtual + static_cast<int>(number.size()));
    operand = regName(number[id]);
  };
  std::vector<Line> out = lines;
  for (int i = 0; i < n; ++i) {
    if (!in[i] || lines[i].kind != Line::Instr) continue;
    Effects e = effectsIn(lines[i], ctx);
    for (std::string* operand : {&out[i].a, &out[i].b}) {
      int v = regOf(*operand) - kFirstVirtual;
      if (v < 0) continue;
      rename(*operand, e.def.test(kFirstVirtual + v) ? i * nv + v : (*in[i])[v]);
    }
  }
  if (kFirstVirtual + static_cast<int>(number.size()) > kRegLimit) return false;
  lines.swap(out);
  return true;
}

}  // namespace opt
