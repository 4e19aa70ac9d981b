// Programs in the compiler's exact layout and with hand-written inline asm
// assemble and run as written.
#include <gtest/gtest.h>

#include "run_helper.h"

namespace tarvelsim {
namespace {

TEST(Assembler, CompilerLayout) {
  // Verbatim shapes the compiler writes: padded mnemonics, the wider ADDCY
  // column, tab-separated operands, trailing ";word" comments, the vector.
  Sim sim(
      "        ;-------\n"
      "        CONSTANT    _a , 3E\n"
      "        LOAD    sF,3E\n"
      "        CALL    _main\n"
      "main_end:\n"
      "        JUMP    main_end\n"
      "\n"
      "_main:\n"
      "        LOAD    s2,FF\n"
      "        LOAD    s3,00\n"
      "        ADD     s2,1\n"
      "        ADDCY    s3,00\n"
      "        OR\t\t s0,s0\n"
      "        STORE   s2,_a\n"
      "        JUMP    label_0 ;return\n"
      ";inline asm function start\n"
      "label_0:\n"
      "        RETURN  Z\n"
      "        RETURN\n"
      "irq1:\n"
      "        RETURNI ENABLE\n"
      "        ADDRESS 3FF\n"
      "        JUMP    irq1\n");
  EXPECT_EQ(sim.run(), Status::End);
  EXPECT_EQ(sim.m.regs[3], 0x01);
  EXPECT_EQ(sim.m.mem[0x3E], 0x00);
  ASSERT_TRUE(sim.prog.slots[0x3FF].has_value());
  EXPECT_EQ(sim.prog.slots[0x3FF]->target, 0x00C);
}

TEST(Assembler, NamesForConstantsAndRegisters) {
  Sim sim(R"(
        NAMEREG s4, counter
        CONSTANT limit, 0A
        constant step, 2
start:  add counter, step    ; lower case mnemonics are fine
        compare counter, limit
        jump c, start
end:    JUMP end
)");
  EXPECT_EQ(sim.run(), Status::End);
  EXPECT_EQ(sim.m.regs[4], 0x0A);
}

TEST(Assembler, ExactlyOneThousandTwentyFourInstructionsFit) {
  std::string src;
  for (int i = 0; i < kProgramSize; ++i) src += "LOAD s0,01\n";
  EXPECT_NO_THROW(assemble(src, "t.psm"));
  EXPECT_THROW(assemble(src + "LOAD s0,01\n", "t.psm"), AsmError);
}

}  // namespace
}  // namespace tarvelsim
