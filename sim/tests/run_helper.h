// Assembles a snippet and runs it on a fresh machine, for the unit tests.
#pragma once

#include <sstream>
#include <string>

#include "program.h"
#include "machine.h"
#include "ports.h"

namespace tarvelsim {

struct Sim {
  explicit Sim(const std::string& source, const std::string& inputScript = "");
  Status run(uint64_t maxSteps = 100000, uint64_t irqEvery = 0);

  Program prog;
  std::ostringstream output;  // the OUTPUT trace
  ScriptPorts ports;
  Machine m;
};

// Runs `body` followed by a jump-to-self end and returns "s0 Z C" as text
// such as "FF 0 1", which keeps the flag tables short and readable.
std::string afterRun(const std::string& body);

}  // namespace tarvelsim
