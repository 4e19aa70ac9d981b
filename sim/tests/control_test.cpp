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

TEST(Flow, StepLimitStopsAnEndlessLoop) {
  Sim sim("top: ADD s0,01\n JUMP top\n");
  EXPECT_EQ(sim.run(1000), Status::StepLimit);
  EXPECT_EQ(sim.m.steps, 1000u);
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

TEST(Interrupts, IdleLoopWaitsForThem) {
  // Firmware that idles in a jump to itself keeps being interrupted; the
  // handler ends the wait by turning interrupts off on return.
  Sim sim(R"(
        ENABLE INTERRUPT
idle:   JUMP idle
handler:
        ADD s1,01
        COMPARE s1,03
        JUMP Z,stop
        RETURNI ENABLE
stop:   RETURNI DISABLE
        ADDRESS 3FF
        JUMP handler
)");
  EXPECT_EQ(sim.run(100000, 20), Status::End);
  EXPECT_EQ(sim.m.regs[1], 3);
  // enable, idles up to cycle 20, three handlers of five instructions with
  // four idles between them (entry and handler take 12 of 20 cycles), end
  EXPECT_EQ(sim.m.steps, 1u + 9 + 3 * 5 + 2 * 4 + 1);
}

TEST(Interrupts, ReturnIDisableLeavesThemOff) {
  std::string src = kIrqProgram;
  src.replace(src.find("RETURNI ENABLE"), 14, "RETURNI DISABLE");
  Sim sim(src);
  EXPECT_EQ(sim.run(100000, 5), Status::End);
  EXPECT_EQ(sim.m.regs[1], 1);
}

TEST(Ports, InputReadsPerPortQueuesOutputTraces) {
  Sim sim(R"(
        INPUT s0,01
        INPUT s1,02
        INPUT s2,01
        LOAD s4,02
        INPUT s3,(s4)      ; port 02 has nothing left
        OUTPUT s0,10
        LOAD s5,20
        OUTPUT s2,(s5)
end:    JUMP end
)", "01 0A\n02 0B ; comment\n\n01 0C\n");
  EXPECT_EQ(sim.run(), Status::End);
  EXPECT_EQ(sim.m.regs[0], 0x0A);
  EXPECT_EQ(sim.m.regs[1], 0x0B);
  EXPECT_EQ(sim.m.regs[2], 0x0C);
  EXPECT_EQ(sim.m.regs[3], 0x00);
  EXPECT_EQ(sim.output.str(), "10 0A\n20 0C\n");
}

TEST(Ports, BadScriptLineIsReported) {
  std::ostringstream out;
  ScriptPorts ports(out);
  EXPECT_THROW(ports.loadScript("01 02\n01 xyz\n"), ScriptError);
}

}  // namespace
}  // namespace tarvelsim
