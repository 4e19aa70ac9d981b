// The memory budget of an assembled program: how much of the processor's
// program memory, data memory and call stack it uses.
#pragma once

#include <string>
#include <vector>

#include "asm/assembler.h"

// A stretch of program memory: a function (from its entry label to the
// next entry), a run-time routine, the start-up code, the interrupt entry
// or the vector.
struct Region {
  std::string name;
  const char* kind;  // "function", "run-time routine", ...
  int words = 0;
};

// The deepest use of a stack along the call graph.
struct StackUse {
  bool known = true;       // false where inline assembly moves sF untraceably
  bool unbounded = false;  // recursion
  int depth = 0;           // bytes of data stack or return addresses
  std::string chain;       // "main > pid_step > clamp"
  std::string recursion;   // the functions of a cycle, when unbounded
};

struct Budget {
  int programWords = 0;
  std::vector<Region> regions;  // in address order
  bool hasDataLayout = false;   // the program sets up a data stack
  int staticBytes = 0;          // statics, from the top of data memory down
  StackUse dataStack;           // bytes below the initial stack pointer
  StackUse callStack;           // return addresses
  int interruptDataStack = 0;   // the part of the deepest use the handler adds
  int interruptCalls = 0;
};

constexpr int kProgramWords = 1024;
constexpr int kDataBytes = 64;
constexpr int kReturnAddresses = 31;

Budget measureBudget(const assembly::Assembly& program);

// The report --size prints.
std::string formatBudget(const Budget& budget);
