// Jump clean-up and the comparison-to-branch rewrite.
#include <map>
#include <set>

#include "opt/passes.h"

namespace opt {
namespace {

std::string inverse(const std::string& cond) {
  if (cond == "Z") return "NZ";
  if (cond == "NZ") return "Z";
  if (cond == "C") return "NC";
  return "C";
}

// Index of the first instruction at or after i, skipping labels.
size_t nextInstr(const std::vector<Line>& lines, size_t i) {
  while (i < lines.size() && lines[i].kind != Line::Instr) ++i;
  return i;
}

bool isPlain(const Line& l, const char* op) {
  return l.kind == Line::Instr && l.op == op && l.cond.empty();
}

// Drops lines no path from the entry reaches, and labels no jump names
// (the entry label stays: callers name it).
bool dropUnreachable(std::vector<Line>& lines) {
  std::vector<std::vector<int>> succ;
  if (lines.empty() || !successors(lines, succ)) return false;
  std::vector<bool> seen(lines.size(), false);
  std::vector<int> work{0};
  seen[0] = true;
  while (!work.empty()) {
    int i = work.back();
    work.pop_back();
    for (int s : succ[i])
      if (!seen[s]) seen[s] = true, work.push_back(s);
  }
  std::set<std::string> named;
  for (size_t i = 0; i < lines.size(); ++i)
    if (seen[i] && isJump(lines[i])) named.insert(lines[i].a);
  std::vector<Line> kept;
  for (size_t i = 0; i < lines.size(); ++i) {
    bool label = lines[i].kind == Line::Label;
    if (i == 0 || (seen[i] && (!label || named.count(lines[i].text)))) kept.push_back(lines[i]);
  }
  bool changed = kept.size() != lines.size();
  lines.swap(kept);
  return changed;
}

}  // namespace

// Jumps to jumps go straight to the final target, a jump to a RETURN
// becomes the RETURN, a jump to the next line goes, and "JUMP cc,L1 /
// JUMP L2 / L1:" becomes "JUMP !cc,L2". Then unreachable code goes.
bool cleanJumps(std::vector<Line>& lines) {
  bool changed = false;
  std::map<std::string, size_t> labels;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].kind == Line::Label) labels[lines[i].text] = i;
  for (Line& l : lines) {
    if (!isJump(l)) continue;
    for (int hops = 0; hops < 8 && labels.count(l.a); ++hops) {
      size_t t = nextInstr(lines, labels[l.a]);
      if (t >= lines.size()) break;
      if (isPlain(lines[t], "JUMP") && lines[t].a != l.a) {
        l.a = lines[t].a;
        changed = true;
      } else {
        if (l.cond.empty() && isPlain(lines[t], "RETURN")) {
          l = lines[t];
          changed = true;
        }
        break;
      }
    }
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    Line& l = lines[i];
    if (!isJump(l)) continue;
    bool toNext = false;
    for (size_t j = i + 1; j < lines.size() && lines[j].kind == Line::Label; ++j)
      if (lines[j].text == l.a) toNext = true;
    if (toNext) {
      lines.erase(lines.begin() + static_cast<long>(i));
      --i;
      changed = true;
      continue;
    }
    if (!l.cond.empty() && i + 2 < lines.size() && isPlain(lines[i + 1], "JUMP") &&
        lines[i + 2].kind == Line::Label && lines[i + 2].text == l.a) {
      l.cond = inverse(l.cond);
      l.a = lines[i + 1].a;
      lines.erase(lines.begin() + static_cast<long>(i) + 1);
      changed = true;
    }
  }
  return dropUnreachable(lines) || changed;
}

// "SLA r / AND r,01 / OR r,r / JUMP Z,L" turns the carry into a 0/1 byte
// only to test it: when r and both flags are dead after the jump, a jump
// on the carry itself does the same (Z becomes NC, NZ becomes C).
bool simplifyBranches(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  std::vector<RegSet> after = liveAfter(lines, succ, ctx);
  // Liveness of the old lines over-approximates that of the new ones, so
  // one analysis serves every match.
  std::vector<Line> out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i + 3 < lines.size()) {
      const Line &sla = lines[i], &andl = lines[i + 1], &orl = lines[i + 2], &jump = lines[i + 3];
      int r = regOf(sla.a);
      if (isPlain(sla, "SLA") && r >= 0 && isPlain(andl, "AND") && regOf(andl.a) == r &&
          andl.b == "01" && isPlain(orl, "OR") && regOf(orl.a) == r && regOf(orl.b) == r &&
          isJump(jump) && (jump.cond == "Z" || jump.cond == "NZ") && !after[i + 3].test(r) &&
          !after[i + 3].test(kZ) && !after[i + 3].test(kC)) {
        out.push_back(jump);
        out.back().cond = jump.cond == "Z" ? "NC" : "C";
        i += 3;
        continue;
      }
    }
    out.push_back(lines[i]);
  }
  bool changed = out.size() != lines.size();
  lines.swap(out);
  return changed;
}

}  // namespace opt
