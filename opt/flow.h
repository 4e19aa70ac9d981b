// Control flow and register liveness inside one compiled function.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "opt/asm.h"

namespace opt {

// What a CALL of a label reads and changes, and how many argument bytes the
// callee reads from the data stack (-1: unknown).
struct Callee {
  RegSet use, clobber;
  int paramBytes = -1;
};

// Facts about the rest of the program that a function's passes need.
struct Context {
  std::map<std::string, Callee> callees;
  RegSet exitLive;  // registers a caller may read after RETURN
  RegSet pool;      // registers a frame byte may be given
  std::set<std::string> reserved;  // names that copied text and asm use
  Callee unknownCallee() const;
  // A label no other part of the program uses, for code the passes add.
  std::string newLabel() const;
  const Callee& callee(const std::string& label) const;

 private:
  mutable int labels_ = 0;
};

Effects effectsIn(const Line& l, const Context& ctx);

// Successors of each line; false when control can leave other than by
// RETURN (a jump out of the function or a fall off its end).
bool successors(const std::vector<Line>& lines, std::vector<std::vector<int>>& succ);

// Registers live after each line.
std::vector<RegSet> liveAfter(const std::vector<Line>& lines,
                              const std::vector<std::vector<int>>& succ, const Context& ctx);
RegSet liveBefore(const Line& l, const RegSet& after, const Context& ctx);

// Forward dataflow over one fact per machine register (a number, -1 for
// none): the facts before each line, nullopt where no path reaches. Facts
// that disagree where paths meet become -1.
using RegFacts = std::array<int, 16>;
std::vector<std::optional<RegFacts>> forwardFacts(
    const std::vector<Line>& lines, const std::vector<std::vector<int>>& succ,
    const std::function<void(RegFacts&, const Line&)>& step);

}  // namespace opt
