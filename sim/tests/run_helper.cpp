#include "run_helper.h"

#include <cstdio>

namespace tarvelsim {

Sim::Sim(const std::string& source, const std::string& inputScript)
    : prog(assemble(source, "t.psm")), ports(output), m(prog, ports) {
  if (!inputScript.empty()) ports.loadScript(inputScript);
}

Status Sim::run(uint64_t maxSteps, uint64_t irqEvery) {
  RunOptions o;
  o.maxSteps = maxSteps;
  o.irqEvery = irqEvery;
  return m.run(o);
}

std::string afterRun(const std::string& body) {
  Sim sim(body + "\nend: JUMP end\n");
  if (sim.run() != Status::End) return "did not end: " + sim.m.faultMessage;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02X %d %d", sim.m.regs[0], sim.m.zero, sim.m.carry);
  return buf;
}

}  // namespace tarvelsim
