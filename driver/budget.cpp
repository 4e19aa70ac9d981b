// The memory budget.  Program memory is counted per region; the stacks are
// measured by walking each function's code from its entry, following jumps,
// with the data stack pointer sF (and the frame pointer sE) as offsets from
// the entry's sF.  A call adds the callee's own deepest use at the depth of
// the call.  This fits the code the compiler writes (balanced pushes and
// pops, frames through sE); where hand-written assembly moves sF in a way
// the walk cannot follow, the use is reported as unknown, never guessed.
#include "driver/budget.h"

#include <algorithm>
#include <map>
#include <optional>
#include <cstdio>
#include <set>
#include <tuple>

#include "asm/instruction.h"

namespace {

using assembly::Cond;
using assembly::Instruction;
using assembly::Op;

constexpr int kVector = 0x3FF;
constexpr int kStackPointer = 0xF;
constexpr int kFramePointer = 0xE;
// A function whose sF takes more values than this at one address pushes in
// a loop: its use has no bound the walk can find.
constexpr size_t kStatesPerAddress = 16;

struct Walk {
  int dataUse = 0;   // bytes below the entry's sF
  int calls = 0;     // return addresses, its own call included by the caller
  bool known = true;
  bool recursive = false;
  std::string dataChain, callChain, recursion;
};

// The sF and sE of one path, as offsets from sF at the function's entry.
struct State {
  int address;
  int sp;
  std::optional<int> fp;
  bool operator<(const State& o) const {
    return std::tie(address, sp, fp) < std::tie(o.address, o.sp, o.fp);
  }
};

bool writesRegister(const Instruction& in, int reg) {
  return in.x == reg && assembly::writesRegisterX(in.op);
}

class Analysis {
 public:
  explicit Analysis(const assembly::Assembly& program) {
    for (const assembly::Record& r : program.records)
      if (auto in = assembly::decode(r.word)) code_[r.address] = *in;
    for (const auto& [name, address] : program.labels) names_.emplace(address, name);
  }

  const std::map<int, Instruction>& code() const { return code_; }

  // The name of the code at an address: a C function's label without its
  // underscore, else the first other label that is not a numbered one.
  std::string nameAt(int address) const {
    std::string best;
    auto [from, to] = names_.equal_range(address);
    for (auto it = from; it != to; ++it) {
      const std::string& n = it->second;
      if (n[0] == '_') return n.substr(1);
      if (best.empty() || (best.compare(0, 6, "label_") == 0 && n.compare(0, 6, "label_") != 0)) best = n;
    }
    if (!best.empty()) return best;
    char text[16];
    std::snprintf(text, sizeof text, "code at %03X", unsigned(address));
    return text;
  }

  bool isFunctionLabel(int address) const {
    auto [from, to] = names_.equal_range(address);
    for (auto it = from; it != to; ++it)
      if (it->second[0] == '_') return true;
    return false;
  }

  // The deepest uses of a function, computed once.
  const Walk& function(int entry) {
    auto done = walks_.find(entry);
    if (done != walks_.end()) return done->second;
    if (active_.count(entry)) {  // a call back into a function being walked
      static Walk cycle;
      cycle = Walk();
      cycle.recursive = true;
      cycle.recursion = nameAt(entry);
      return cycle;
    }
    active_.insert(entry);
    Walk walk = walkFrom(entry);
    active_.erase(entry);
    return walks_[entry] = walk;
  }

 private:
  Walk walkFrom(int entry) {
    Walk w;
    std::set<State> seen;
    std::map<int, size_t> statesAt;
    std::vector<State> work{{entry, 0, std::nullopt}};
    while (!work.empty()) {
      State s = work.back();
      work.pop_back();
      if (!seen.insert(s).second) continue;
      if (++statesAt[s.address] > kStatesPerAddress) {
        w.known = false;
        break;
      }
      auto it = code_.find(s.address);
      if (it == code_.end()) continue;  // runs into empty memory: the simulator's fault
      const Instruction& in = it->second;
      w.dataUse = std::max(w.dataUse, -s.sp);
      if (!step(in, s, w)) break;
      for (int next : successors(in, s.address)) work.push_back({next, s.sp, s.fp});
    }
    return w;
  }

  // Applies the instruction's effect on sF and sE and its call; false when
  // the walk cannot go on.
  bool step(const Instruction& in, State& s, Walk& w) {
    if (in.op == Op::Call) {
      const Walk& callee = function(in.target);
      if (callee.recursive) {
        w.recursive = true;
        w.recursion = w.recursion.empty() ? callee.recursion : w.recursion;
        return true;
      }
      w.known = w.known && callee.known;
      if (-s.sp + callee.dataUse > w.dataUse || w.dataChain.empty()) {
        w.dataUse = std::max(w.dataUse, -s.sp + callee.dataUse);
        w.dataChain = join(nameAt(in.target), callee.dataChain);
      }
      if (1 + callee.calls > w.calls) {
        w.calls = 1 + callee.calls;
        w.callChain = join(nameAt(in.target), callee.callChain);
      }
      return true;
    }
    bool constant = !in.yIsReg;
    if (in.op == Op::Load && in.x == kStackPointer && constant) {
      s.sp = 0;  // the start-up code sets up the stack: offsets count from here
    } else if (in.x == kStackPointer && (in.op == Op::Sub || in.op == Op::Add) && constant) {
      s.sp += in.op == Op::Sub ? -in.y : in.y;
    } else if (in.op == Op::Load && in.x == kStackPointer && in.yIsReg && in.y == kFramePointer) {
      if (!s.fp) return w.known = false;
      s.sp = *s.fp;
    } else if (in.op == Op::Load && in.x == kFramePointer && in.yIsReg && in.y == kStackPointer) {
      s.fp = s.sp;
    } else if (writesRegister(in, kStackPointer)) {
      return w.known = false;
    } else if (writesRegister(in, kFramePointer)) {
      s.fp.reset();
    }
    return true;
  }

  static std::string join(const std::string& first, const std::string& rest) {
    return rest.empty() ? first : first + " > " + rest;
  }

  std::vector<int> successors(const Instruction& in, int address) const {
    int next = address + 1;
    switch (in.op) {
      case Op::Jump:
        if (in.target == address) return {};  // the end loop
        if (in.cond == Cond::Always) return {in.target};
        return {in.target, next};
      case Op::Return:
        return in.cond == Cond::Always ? std::vector<int>{} : std::vector<int>{next};
      case Op::ReturnI:
        return {};
      default:
        return {next};
    }
  }

  std::map<int, Instruction> code_;
  std::multimap<int, std::string> names_;
  std::map<int, Walk> walks_;
  std::set<int> active_;
};

// Where each region starts: the start-up code at 0, every called address,
// every C function's label, the interrupt entry and the vector.
std::vector<Region> regionsOf(Analysis& a, int interruptEntry) {
  std::map<int, Region> starts;
  const auto& code = a.code();
  for (const auto& [address, in] : code)
    if (in.op == Op::Call) starts[in.target] = Region{a.nameAt(in.target), "run-time routine"};
  for (const auto& [address, in] : code)
    if (a.isFunctionLabel(address)) starts[address] = Region{a.nameAt(address), "function"};
  if (interruptEntry >= 0) starts[interruptEntry] = Region{"interrupt entry", "interrupt"};
  if (code.count(kVector)) starts[kVector] = Region{"interrupt vector", "interrupt"};
  if (!starts.count(0)) starts[0] = Region{"start-up code", "start-up"};
  std::vector<Region> regions;
  for (auto it = starts.begin(); it != starts.end(); ++it) {
    auto next = std::next(it);
    int end = next == starts.end() ? kProgramWords : next->first;
    Region r = it->second;
    r.words = int(std::distance(code.lower_bound(it->first), code.lower_bound(end)));
    if (r.words > 0) regions.push_back(r);
  }
  return regions;
}

// The start-up code's "LOAD sF,kk": the top of the data stack.
int initialStackPointer(const Analysis& a) {
  for (const auto& [address, in] : a.code()) {
    if (in.op == Op::Call || in.op == Op::Jump) break;
    if (in.op == Op::Load && in.x == kStackPointer && !in.yIsReg) return in.y;
  }
  return -1;
}

StackUse combine(int depth, const std::string& chain, bool known, bool recursive,
                 const std::string& recursion) {
  StackUse use;
  use.depth = depth;
  use.chain = chain;
  use.known = known;
  use.unbounded = recursive;
  use.recursion = recursion;
  return use;
}

}  // namespace

Budget measureBudget(const assembly::Assembly& program) {
  Analysis a(program);
  Budget b;
  b.programWords = int(a.code().size());
  auto vector = a.code().find(kVector);
  int interruptEntry = -1;
  if (vector != a.code().end() && vector->second.op == Op::Jump) interruptEntry = vector->second.target;
  b.regions = regionsOf(a, interruptEntry);

  int top = initialStackPointer(a);
  b.hasDataLayout = top >= 0;
  if (b.hasDataLayout) b.staticBytes = kDataBytes - top;
  Walk main = a.function(0);
  Walk irq;
  if (interruptEntry >= 0) {
    irq = a.function(interruptEntry);
    irq.calls += 1;  // the interrupt's own return address
  }
  b.interruptDataStack = irq.dataUse;
  b.interruptCalls = irq.calls;
  bool known = main.known && irq.known;
  bool recursive = main.recursive || irq.recursive;
  std::string recursion = main.recursion.empty() ? irq.recursion : main.recursion;
  b.dataStack = combine(main.dataUse + irq.dataUse, main.dataChain, known, recursive, recursion);
  b.callStack = combine(main.calls + irq.calls, main.callChain, known, recursive, recursion);
  return b;
}

namespace {

std::string percent(int part, int whole) {
  return std::to_string(whole ? (part * 100 + whole / 2) / whole : 0) + "%";
}

// "up to 14 of 54 bytes (main > pid_step; interrupt +2)"
std::string stackLine(const StackUse& use, int room, const char* unit, int interruptPart) {
  if (use.unbounded) return "unbounded: " + use.recursion + " is recursive";
  std::string line = (use.known ? "up to " : "at least ") + std::to_string(use.depth) + " of " +
                     std::to_string(room) + " " + unit;
  std::string path = use.chain;
  if (interruptPart) path += (path.empty() ? "" : "; ") + std::string("interrupt +") + std::to_string(interruptPart);
  if (!use.known) path += (path.empty() ? "" : "; ") + std::string("inline assembly moves sF");
  return path.empty() ? line : line + " (" + path + ")";
}

}  // namespace

std::string formatBudget(const Budget& b) {
  std::string text = "program memory: " + std::to_string(b.programWords) + " of " +
                     std::to_string(kProgramWords) + " words (" + percent(b.programWords, kProgramWords) +
                     "), " + std::to_string(kProgramWords - b.programWords) + " free\n";
  for (const Region& r : b.regions) {
    char row[128];
    std::snprintf(row, sizeof row, "  %-24s %5d  %s\n", r.name.c_str(), r.words, r.kind);
    text += row;
  }
  if (b.hasDataLayout) {
    int room = kDataBytes - b.staticBytes;
    text += "data memory: " + std::to_string(b.staticBytes) + " of " + std::to_string(kDataBytes) +
            " bytes of statics\n";
    text += "data stack: " + stackLine(b.dataStack, room, "bytes", b.interruptDataStack);
    if (!b.dataStack.unbounded && b.dataStack.known)
      text += ", " + std::to_string(room - b.dataStack.depth) + " left";
    text += "\n";
  }
  text += "call stack: " + stackLine(b.callStack, kReturnAddresses, "return addresses", b.interruptCalls) + "\n";
  return text;
}
