// The machine on hand-written programs: the flag rules of the instructions
// compiled code rarely uses, conditional calls and returns, and every fault
// (interrupts run in bench_test.py). Each run is summed up in one line.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "machine.h"
#include "ports.h"

namespace tarvelsim {
namespace {

// "s0 s1 Z C" in hex and bits after a normal end, "fault LINE: message"
// after a fault.
std::string run(const std::string& source) {
  Program prog = assemble(source, "t.psm");
  std::ostringstream output;
  ScriptPorts ports(output);
  Machine m(prog, ports);
  RunOptions opts;
  opts.maxSteps = 100000;
  Status status = m.run(opts);
  if (status == Status::Fault) return "fault " + std::to_string(m.faultLine) + ": " + m.faultMessage;
  if (status != Status::End || !m.callStack.empty()) return "did not end";
  char text[64];
  std::snprintf(text, sizeof text, "%02X %02X %d %d", m.regs[0], m.regs[1], m.zero, m.carry);
  return text;
}

// Flag presets through sF, which the cases never look at: "unchanged" and
// "cleared" are then visible.
const std::string kC = "LOAD sF,FF\nADD sF,02\n";  // Z=0 C=1
const std::string kZ = "LOAD sF,00\nADD sF,00\n";  // Z=1 C=0

TEST(Machine, FlagsOfDataInstructions) {
  const std::pair<std::string, const char*> cases[] = {
      {kC + "LOAD s0,00", "00 00 0 1"},          {kZ + "LOAD s1,7E\nLOAD s0,s1", "7E 7E 1 0"},
      {kC + "LOAD s0,F0\nAND s0,0F", "00 00 1 0"}, {kC + "LOAD s0,50\nOR s0,05", "55 00 0 0"},
      {kC + "LOAD s0,A5\nXOR s0,s0", "00 00 1 0"}, {kC + "LOAD s0,FF\nADDCY s0,00", "00 00 1 1"},
      {kZ + "LOAD s0,10\nLOAD s1,20\nADDCY s0,s1", "30 20 0 0"},
      {kC + "LOAD s0,05\nSUBCY s0,05", "FF 00 0 1"}, {kC + "LOAD s0,06\nSUBCY s0,05", "00 00 1 0"},
      {kZ + "LOAD s0,03\nCOMPARE s0,05", "03 00 0 1"}, {kC + "LOAD s0,05\nCOMPARE s0,05", "05 00 1 0"},
      {kZ + "LOAD s0,0F\nTEST s0,07", "0F 00 0 1"},  {kC + "LOAD s0,0F\nTEST s0,03", "0F 00 0 0"},
      {kC + "LOAD s0,F0\nTEST s0,0F", "F0 00 1 0"},
      {kC + "LOAD s0,81\nSL0 s0", "02 00 0 1"},      {kC + "LOAD s0,01\nSL1 s0", "03 00 0 0"},
      {kZ + "LOAD s0,C1\nSLX s0", "83 00 0 1"},      {kC + "LOAD s0,40\nSLA s0", "81 00 0 0"},
      {kZ + "LOAD s0,80\nSLA s0", "00 00 1 1"},      {kZ + "LOAD s0,81\nRL s0", "03 00 0 1"},
      {kC + "LOAD s0,01\nSR0 s0", "00 00 1 1"},      {kC + "LOAD s0,02\nSR1 s0", "81 00 0 0"},
      {kZ + "LOAD s0,81\nSRX s0", "C0 00 0 1"},      {kC + "LOAD s0,02\nSRA s0", "81 00 0 0"},
      {kZ + "LOAD s0,01\nRR s0", "80 00 0 1"},
      {kZ + "LOAD s2,10\nLOAD s1,A7\nSTORE s1,(s2)\nFETCH s0,(s2)", "A7 A7 1 0"},
  };
  for (const auto& [body, expected] : cases) EXPECT_EQ(run(body + "\nend: JUMP end\n"), expected) << body;
}

TEST(Machine, FlowAndFaults) {
  // Each taken branch sets a bit of s0; a branch not taken falls through.
  EXPECT_EQ(run("LOAD s1,00\nADD s1,00\nJUMP NZ,fail\nJUMP C,fail\nJUMP Z,z_ok\nJUMP fail\n"
                "z_ok: OR s0,01\nLOAD s1,FF\nADD s1,01\nJUMP NC,fail\nCALL C,sub\nCALL Z,fail\n"
                "RETURN C\nOR s0,04\nend: JUMP end\nsub: OR s0,02\nRETURN\nfail: LOAD s0,EE\nJUMP end\n"),
            "07 00 0 0");
  EXPECT_EQ(run("LOAD s0,01\nSTORE s0,40\n"), "fault 2: data memory address 40 is outside 00..3F");
  EXPECT_EQ(run("LOAD sF,00\nSUB sF,01\nSTORE s0,(sF)\n"), "fault 3: data memory address FF is outside 00..3F");
  // rec calls itself while s0 counts down: 31 nested calls fit, 32 do not.
  const std::string rec = "\nCALL rec\nend: JUMP end\nrec: SUB s0,01\nRETURN Z\nCALL rec\nRETURN\n";
  EXPECT_EQ(run("LOAD s0,1F" + rec), "00 00 1 0");
  EXPECT_EQ(run("LOAD s0,20" + rec), "fault 6: call stack overflow (more than 31 return addresses)");
  EXPECT_EQ(run("LOAD s0,01\nRETURN\n"), "fault 2: RETURN with an empty call stack");
  EXPECT_EQ(run("RETURNI ENABLE\n"), "fault 1: RETURNI with an empty call stack");
  EXPECT_EQ(run("LOAD s0,01\nLOAD s1,02\n"), "fault 2: no instruction at program address 002");
}

}  // namespace
}  // namespace tarvelsim
