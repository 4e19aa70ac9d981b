// Running a program under control: breakpoints, watched variables, and
// stepping by instruction, by C line, over calls or out of a function.
// The command line and the interactive prompt both drive a Session.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "machine.h"
#include "program.h"
#include "variables.h"

namespace tarvelsim {

enum class Mode {
  Continue,     // until a breakpoint, a watch, the end or a limit
  Instruction,  // one instruction (or taking an interrupt)
  Line,         // to the next C line, into calls
  Over,         // to the next C line in this function or its callers
  Finish,       // until the current function returns
};

struct Breakpoint {
  std::string place;  // as the user wrote it
  std::vector<int> addresses;
};

struct Watch {
  Cell cell;
  long value = 0;      // the value last reported
};

// Why a run stopped; Status for the end, a fault or a limit.
struct Stop {
  enum Kind { Ended, Break, Watched, Stepped } kind = Ended;
  Status status = Status::Running;
  int breakpoint = -1;          // index of the breakpoint hit
  std::vector<std::string> changes;  // "count: 3 -> 4" for each watch that changed
  int changedAt = -1;           // address of the first instruction that changed them
};

class Session {
 public:
  Session(const Program& prog, Machine& m, const RunOptions& opts)
      : prog_(prog), m_(m), opts_(opts) {}

  Stop resume(Mode mode);
  bool finished() const { return finished_; }

  std::vector<Breakpoint> breakpoints;
  std::vector<Watch> watches;

  // Adds a watch on every cell of `expr`; false with `error` set if none.
  bool addWatch(const std::string& expr, std::string& error);

  // Where the program stands: the place, the time, the registers and the
  // watched values. clockHz 0: cycles only.
  void describe(std::ostream& out, const Stop& stop, double clockHz) const;

 private:
  bool atBreakpoint(int& which) const;
  bool watchesDiffer() const;
  // "name: old -> new" for each watch that changed; remembers the new values.
  void takeChanges(std::vector<std::string>& changes);
  bool lineReached(Mode mode, const CLine& startLine, size_t startDepth) const;

  const Program& prog_;
  Machine& m_;
  const RunOptions& opts_;
  bool finished_ = false;
};

}  // namespace tarvelsim
