// The assembler accepts the compiler's exact layout and hand-written inline
// asm, and rejects bad input with one diagnostic on the right line.
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

struct BadCase {
  const char* name;
  const char* source;
  int line;
  const char* words;
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class AssemblerErrors : public ::testing::TestWithParam<BadCase> {};

TEST_P(AssemblerErrors, OneDiagnosticOnTheRightLine) {
  const BadCase& c = GetParam();
  try {
    assemble(c.source, "t.psm");
    FAIL() << "accepted: " << c.source;
  } catch (const AsmError& e) {
    EXPECT_EQ(e.line(), c.line) << e.what();
    EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssemblerErrors,
    ::testing::Values(
        BadCase{"UnknownMnemonic", "LOAD s0,01\nFROB s1\n", 2, "unknown mnemonic"},
        BadCase{"ConstantTooWide", "LOAD s0,100\n", 1, "bad operand"},
        BadCase{"NoSuchRegister", "LOAD sG,01\n", 1, "bad operand"},
        BadCase{"MissingOperand", "ADD s0\n", 1, "operand"},
        BadCase{"UnclosedParen", "FETCH s0,(s1\n", 1, "bad operand"},
        BadCase{"BadCondition", "JUMP XY,there\nthere:\n", 1, "bad operand"},
        BadCase{"UndefinedLabel", "\nJUMP nowhere\n", 2, "undefined label 'nowhere'"},
        BadCase{"DuplicateLabel", "a: LOAD s0,01\na: LOAD s0,02\n", 2, "duplicate label 'a'"},
        BadCase{"BadReturnI", "RETURNI MAYBE\n", 1, "bad operand"},
        BadCase{"AddressPastEnd", "ADDRESS 400\n", 1, "ADDRESS"},
        BadCase{"ProgramTooLong", "ADDRESS 3FF\nLOAD s0,01\nLOAD s0,02\n", 3, "exceeds 1024"},
        BadCase{"SlotUsedTwice", "LOAD s0,01\nADDRESS 000\nLOAD s0,02\n", 3, "used twice"},
        BadCase{"ConstantValueTooWide", "CONSTANT k, 1FF\n", 1, "constant"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Assembler, ExactlyOneThousandTwentyFourInstructionsFit) {
  std::string src;
  for (int i = 0; i < kProgramSize; ++i) src += "LOAD s0,01\n";
  EXPECT_NO_THROW(assemble(src, "t.psm"));
  EXPECT_THROW(assemble(src + "LOAD s0,01\n", "t.psm"), AsmError);
}

}  // namespace
}  // namespace tarvelsim
