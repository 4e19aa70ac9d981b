// Result and flags of every data instruction. Each case first forces the
// flags to a known state (so that "unchanged" and "cleared" are visible),
// then runs the instruction on s0 and checks "s0 Z C".
#include <gtest/gtest.h>

#include "run_helper.h"

namespace tarvelsim {
namespace {

// Flag presets through sF, which the cases never look at.
const std::string kCarrySet = "LOAD sF,FF\nADD sF,02\n";   // Z=0 C=1
const std::string kZeroSet = "LOAD sF,00\nADD sF,00\n";    // Z=1 C=0

struct Case {
  const char* name;
  std::string body;
  const char* expected;  // "s0 Z C"
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.body; }

class InstructionFlags : public ::testing::TestWithParam<Case> {};

TEST_P(InstructionFlags, ResultAndFlags) {
  EXPECT_EQ(afterRun(GetParam().body), GetParam().expected) << GetParam().body;
}

const Case kLoadAndLogic[] = {
    {"LoadKeepsFlagsSet", kCarrySet + "LOAD s0,00", "00 0 1"},
    {"LoadKeepsFlagsClear", kZeroSet + "LOAD s1,7E\nLOAD s0,s1", "7E 1 0"},
    {"AndClearsCarry", kCarrySet + "LOAD s0,F0\nAND s0,0F", "00 1 0"},
    {"AndRegister", kCarrySet + "LOAD s0,F3\nLOAD s1,3F\nAND s0,s1", "33 0 0"},
    {"OrClearsCarry", kCarrySet + "LOAD s0,00\nOR s0,00", "00 1 0"},
    {"OrSetsBits", kZeroSet + "LOAD s0,50\nOR s0,05", "55 0 0"},
    {"XorSelfIsZero", kCarrySet + "LOAD s0,A5\nXOR s0,s0", "00 1 0"},
    {"XorFlipsBits", kZeroSet + "LOAD s0,A5\nXOR s0,FF", "5A 0 0"},
};
INSTANTIATE_TEST_SUITE_P(LoadLogic, InstructionFlags, ::testing::ValuesIn(kLoadAndLogic),
                         [](const auto& p) { return std::string(p.param.name); });

const Case kArithmetic[] = {
    {"AddNoCarry", kCarrySet + "LOAD s0,01\nADD s0,02", "03 0 0"},
    {"AddCarryOut", kZeroSet + "LOAD s0,F0\nADD s0,20", "10 0 1"},
    {"AddWrapsToZero", kZeroSet + "LOAD s0,FF\nADD s0,01", "00 1 1"},
    {"AddCyAddsCarry", kCarrySet + "LOAD s0,00\nADDCY s0,00", "01 0 0"},
    {"AddCyCarryOutToZero", kCarrySet + "LOAD s0,FF\nADDCY s0,00", "00 1 1"},
    {"AddCyWithoutCarry", kZeroSet + "LOAD s0,10\nLOAD s1,20\nADDCY s0,s1", "30 0 0"},
    {"SubNoBorrow", kCarrySet + "LOAD s0,07\nSUB s0,05", "02 0 0"},
    {"SubEqualIsZero", kCarrySet + "LOAD s0,05\nSUB s0,05", "00 1 0"},
    {"SubBorrow", kZeroSet + "LOAD s0,05\nSUB s0,06", "FF 0 1"},
    {"SubCyBorrowsCarry", kCarrySet + "LOAD s0,05\nSUBCY s0,05", "FF 0 1"},
    {"SubCyExactZero", kCarrySet + "LOAD s0,06\nSUBCY s0,05", "00 1 0"},
    {"SubCyWithoutCarry", kZeroSet + "LOAD s0,00\nSUBCY s0,00", "00 1 0"},
    {"CompareLess", kZeroSet + "LOAD s0,03\nCOMPARE s0,05", "03 0 1"},
    {"CompareEqual", kCarrySet + "LOAD s0,05\nLOAD s1,05\nCOMPARE s0,s1", "05 1 0"},
    {"CompareGreater", kZeroSet + "LOAD s0,80\nCOMPARE s0,7F", "80 0 0"},
    {"TestOddParity", kZeroSet + "LOAD s0,0F\nTEST s0,07", "0F 0 1"},
    {"TestEvenParity", kCarrySet + "LOAD s0,0F\nTEST s0,03", "0F 0 0"},
    {"TestZero", kCarrySet + "LOAD s0,F0\nTEST s0,0F", "F0 1 0"},
};
INSTANTIATE_TEST_SUITE_P(Arithmetic, InstructionFlags, ::testing::ValuesIn(kArithmetic),
                         [](const auto& p) { return std::string(p.param.name); });

const Case kShifts[] = {
    {"Sl0", kCarrySet + "LOAD s0,81\nSL0 s0", "02 0 1"},
    {"Sl0ToZero", kZeroSet + "LOAD s0,80\nSL0 s0", "00 1 1"},
    {"Sl1", kCarrySet + "LOAD s0,01\nSL1 s0", "03 0 0"},
    {"SlxCopiesBit0", kZeroSet + "LOAD s0,C1\nSLX s0", "83 0 1"},
    {"SlaTakesCarry", kCarrySet + "LOAD s0,40\nSLA s0", "81 0 0"},
    {"SlaNoCarry", kZeroSet + "LOAD s0,80\nSLA s0", "00 1 1"},
    {"Rl", kZeroSet + "LOAD s0,81\nRL s0", "03 0 1"},
    {"Sr0", kCarrySet + "LOAD s0,81\nSR0 s0", "40 0 1"},
    {"Sr0ToZero", kCarrySet + "LOAD s0,01\nSR0 s0", "00 1 1"},
    {"Sr1", kCarrySet + "LOAD s0,02\nSR1 s0", "81 0 0"},
    {"SrxKeepsSign", kZeroSet + "LOAD s0,81\nSRX s0", "C0 0 1"},
    {"SraTakesCarry", kCarrySet + "LOAD s0,02\nSRA s0", "81 0 0"},
    {"SraNoCarry", kZeroSet + "LOAD s0,01\nSRA s0", "00 1 1"},
    {"Rr", kZeroSet + "LOAD s0,01\nRR s0", "80 0 1"},
};
INSTANTIATE_TEST_SUITE_P(Shifts, InstructionFlags, ::testing::ValuesIn(kShifts),
                         [](const auto& p) { return std::string(p.param.name); });

const Case kMemory[] = {
    // FETCH and STORE move data without touching the flags.
    {"StoreFetchConstantAddress", kCarrySet + "LOAD s1,5A\nSTORE s1,3F\nFETCH s0,3F", "5A 0 1"},
    {"StoreFetchIndirect",
     kZeroSet + "LOAD s2,10\nLOAD s1,A7\nSTORE s1,(s2)\nFETCH s0,(s2)", "A7 1 0"},
};
INSTANTIATE_TEST_SUITE_P(Memory, InstructionFlags, ::testing::ValuesIn(kMemory),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace tarvelsim
