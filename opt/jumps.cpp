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

// The compiler computes a condition as a 0/1 byte and then tests the byte;
// these rewrites test the condition itself. Each applies only where the
// byte and the flags the removed lines set are dead afterwards; the
// liveness of the old lines over-approximates that of the new ones, so one
// analysis serves every match.
class BranchRewriter {
 public:
  BranchRewriter(const std::vector<Line>& lines, const std::vector<RegSet>& after)
      : in_(lines), after_(after) {
    for (const Line& l : lines)
      if (isJump(l)) ++uses_[l.a];
  }
  std::vector<Line> out;

  // One rewrite at line i, or false.
  bool at(size_t i) {
    return carryTest(i) || materialized(i) || redundantTest(i) || testedCopy(i);
  }

 private:
  const Line* line(size_t i) const { return i < in_.size() ? &in_[i] : nullptr; }
  bool is(size_t i, const char* op, int r, const char* b = nullptr) const {
    const Line* l = line(i);
    return l && isPlain(*l, op) && regOf(l->a) == r && (!b || l->b == b);
  }
  bool deadAfter(size_t i, std::initializer_list<int> regs) const {
    for (int r : regs)
      if (r >= 0 && after_[i].test(r)) return false;
    return true;
  }
  bool zeroJump(size_t i) const {
    const Line* l = line(i);
    return l && isJump(*l) && (l->cond == "Z" || l->cond == "NZ");
  }

  // "SLA r / AND r,01 / [XOR r,01] / [OR r,r] / JUMP Z|NZ,L" turns the carry
  // into a byte to test it: jump on the carry instead.
  bool carryTest(size_t i) {
    int r = line(i) ? regOf(in_[i].a) : -1;
    if (r < 0 || !is(i, "SLA", r) || !is(i + 1, "AND", r, "01")) return false;
    size_t j = i + 2;
    bool flipped = is(j, "XOR", r, "01");
    if (flipped) ++j;
    if (is(j, "OR", r) && regOf(in_[j].b) == r) ++j;
    if (!zeroJump(j) || !deadAfter(j, {r, kZ, kC})) return false;
    out.push_back(in_[j]);
    out.back().cond = (in_[j].cond == "Z") != flipped ? "NC" : "C";
    skip_ = j - i;
    return true;
  }

  // "op r,x / JUMP Z,L / LOAD r,01 / L: [XOR r,01] / OR r,r / JUMP Z|NZ,T":
  // r is 0 on the jump and 1 on the fall, so one jump on the first
  // instruction's zero flag does.
  bool materialized(size_t i) {
    const Line* j = line(i);
    if (!j || !isJump(*j) || j->cond != "Z" || i == 0) return false;
    int r = regOf(in_[i - 1].a);
    if (r < 0 || !isAlu(in_[i - 1].op) || in_[i - 1].op == "COMPARE" || in_[i - 1].op == "TEST")
      return false;
    if (!is(i + 1, "LOAD", r, "01") || !line(i + 2) || in_[i + 2].kind != Line::Label ||
        in_[i + 2].text != j->a || uses_[j->a] != 1)
      return false;
    size_t k = i + 3;
    bool flipped = is(k, "XOR", r, "01");
    if (flipped) ++k;
    if (!is(k, "OR", r) || regOf(in_[k].b) != r || !zeroJump(k + 1) ||
        !deadAfter(k + 1, {r, kZ, kC}))
      return false;
    // The value on the jump path is `flipped`; the final jump is taken for
    // it when it tests Z and the value is 0, or NZ and the value is 1.
    bool jumpPathTaken = (in_[k + 1].cond == "Z") != flipped;
    out.push_back(in_[k + 1]);
    out.back().cond = jumpPathTaken ? "Z" : "NZ";
    skip_ = k + 1 - i;
    return true;
  }

  // "OR r,r" after an AND, OR or XOR of r sets the flags that are already
  // set; after any other ALU result in r it differs only in the carry.
  bool redundantTest(size_t i) {
    int r = line(i) ? regOf(in_[i].a) : -1;
    if (r < 0 || !is(i + 1, "OR", r) || regOf(in_[i + 1].b) != r) return false;
    const std::string& op = in_[i].op;
    if (!isAlu(op) || op == "COMPARE" || op == "TEST" || !in_[i].cond.empty()) return false;
    bool logical = op == "AND" || op == "OR" || op == "XOR";
    if (!logical && !deadAfter(i + 1, {kC})) return false;
    out.push_back(in_[i]);
    skip_ = 1;
    return true;
  }

  // "LOAD r,x / OR r,x" with r dead tests x: "OR x,x" leaves x as it was
  // and sets the same flags.
  bool testedCopy(size_t i) {
    int r = line(i) ? regOf(in_[i].a) : -1, x = line(i) ? regOf(in_[i].b) : -1;
    if (r < 0 || x < 0 || x >= 16 || !is(i, "LOAD", r) || !is(i + 1, "OR", r) ||
        regOf(in_[i + 1].b) != x || !deadAfter(i + 1, {r}))
      return false;
    out.push_back(makeInstr("OR", in_[i].b, in_[i].b));
    skip_ = 1;
    return true;
  }

  const std::vector<Line>& in_;
  const std::vector<RegSet>& after_;
  std::map<std::string, int> uses_;

 public:
  size_t skip_ = 0;
};

bool simplifyBranches(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  std::vector<RegSet> after = liveAfter(lines, succ, ctx);
  BranchRewriter rewriter(lines, after);
  bool changed = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    rewriter.skip_ = 0;
    if (rewriter.at(i)) {
      changed = true;
      i += rewriter.skip_;
      continue;
    }
    rewriter.out.push_back(lines[i]);
  }
  lines.swap(rewriter.out);
  return changed;
}

}  // namespace opt
