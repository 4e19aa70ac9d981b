// Program flow: conditional jumps, calls and returns, the end of a run,
// the faults, interrupts and the I/O ports.
#include <gtest/gtest.h>

#include "run_helper.h"

namespace tarvelsim {
namespace {

TEST(Flow, ConditionsPickTheRightBranch) {
  // Each taken branch adds its bit to s0; a branch not taken falls through.
  Sim sim(R"(
        LOAD s0,00
        LOAD s1,00
        ADD s1,00          ; Z=1 C=0
        JUMP NZ,fail
        JUMP C,fail
        JUMP Z,z_ok
        JUMP fail
z_ok:   OR s0,01
        LOAD s1,FF
        ADD s1,01          ; OR cleared C; now Z=1 C=1
        JUMP NC,fail
        CALL C,sub         ; sub's OR leaves Z=0 C=0
        CALL Z,fail
        RETURN C           ; not taken: the call stack is empty
        OR s0,04
end:    JUMP end
sub:    OR s0,02
        RETURN
fail:   LOAD s0,EE
        JUMP end
)");
  EXPECT_EQ(sim.run(), Status::End);
  EXPECT_EQ(sim.m.regs[0], 0x07);
  EXPECT_TRUE(sim.m.callStack.empty());
}

TEST(Faults, DataMemoryAboveThreeF) {
  Sim direct("LOAD s0,01\nSTORE s0,40\n");
  EXPECT_EQ(direct.run(), Status::Fault);
  EXPECT_EQ(direct.m.faultLine, 2);
  EXPECT_NE(direct.m.faultMessage.find("40"), std::string::npos);

  // A data stack pushed below 00 wraps to FF: that faults too.
  Sim stack("LOAD sF,00\nSUB sF,01\nSTORE s0,(sF)\n");
  EXPECT_EQ(stack.run(), Status::Fault);
  EXPECT_EQ(stack.m.faultLine, 3);
}

TEST(Faults, CallStackHoldsThirtyOneReturns) {
  // rec calls itself while s0 counts down: depth s0 is fine up to 31.
  const std::string rec = "\nCALL rec\nend: JUMP end\n"
                          "rec: SUB s0,01\nRETURN Z\nCALL rec\nRETURN\n";
  Sim ok("LOAD s0,1F" + rec);   // 31 nested calls
  EXPECT_EQ(ok.run(), Status::End);
  Sim deep("LOAD s0,20" + rec);  // 32 nested calls
  EXPECT_EQ(deep.run(), Status::Fault);
  EXPECT_EQ(deep.m.faultLine, 6);
  EXPECT_NE(deep.m.faultMessage.find("overflow"), std::string::npos);
}

TEST(Faults, ReturnWithoutCall) {
  Sim ret("LOAD s0,01\nRETURN\n");
  EXPECT_EQ(ret.run(), Status::Fault);
  EXPECT_EQ(ret.m.faultLine, 2);
  Sim reti("RETURNI ENABLE\n");
  EXPECT_EQ(reti.run(), Status::Fault);
  EXPECT_EQ(reti.m.faultLine, 1);
}

TEST(Faults, RunningIntoEmptyProgramMemory) {
  Sim sim("LOAD s0,01\nLOAD s1,02\n");
  EXPECT_EQ(sim.run(), Status::Fault);
  EXPECT_EQ(sim.m.faultLine, 2);  // the last instruction that ran
  EXPECT_NE(sim.m.faultMessage.find("002"), std::string::npos);
}

// Main loop counts in s0 with interrupts on; the handler counts in s1,
// clobbers the flags and returns with interrupts enabled.
const char* kIrqProgram = R"(
        ENABLE INTERRUPT
loop:   ADD s0,01
        COMPARE s0,64
        JUMP NZ,loop
        DISABLE INTERRUPT
end:    JUMP end
handler:
        ADD s1,01
        LOAD s2,00
        ADD s2,00          ; Z=1 C=0, must not leak into the main loop
        RETURNI ENABLE
        ADDRESS 3FF
        JUMP handler
)";

TEST(Interrupts, TakenEveryNCycles) {
  Sim sim(kIrqProgram);
  EXPECT_EQ(sim.run(100000, 30), Status::End);
  EXPECT_EQ(sim.m.regs[0], 100);  // the loop is undisturbed
  // Main's 302 instructions (604 cycles) plus 12 cycles per handler end at
  // cycle 990: the requests at 30, 60, .. 960 were taken.
  EXPECT_EQ(sim.m.regs[1], 32);
  EXPECT_EQ(sim.m.cycles, 990u);
  EXPECT_FALSE(sim.m.interruptsEnabled);
  EXPECT_TRUE(sim.m.callStack.empty());
}

TEST(Interrupts, NoneWhileDisabledOrNotRequested) {
  Sim off("ADD s0,01\nCOMPARE s0,20\nJUMP NZ,000\nend: JUMP end\n"
          "ADDRESS 3FF\nLOAD s1,01\n");
  EXPECT_EQ(off.run(100000, 1), Status::End);
  EXPECT_EQ(off.m.regs[1], 0);
  Sim none(kIrqProgram);
  EXPECT_EQ(none.run(), Status::End);
  EXPECT_EQ(none.m.regs[1], 0);
}

TEST(Ports, BadScriptLineIsReported) {
  std::ostringstream out;
  ScriptPorts ports(out);
  EXPECT_THROW(ports.loadScript("01 02\n01 xyz\n"), ScriptError);
}

}  // namespace
}  // namespace tarvelsim
