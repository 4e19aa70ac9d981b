// What the assembler accepts (the compiler's layout and hand-written asm)
// and the one-line diagnostic for each kind of bad input.
#include <gtest/gtest.h>

#include "asm/assembler.h"

namespace assembly {
namespace {

std::vector<uint32_t> words(const std::string& text) {
  std::vector<uint32_t> out;
  for (const Record& r : assemble(text).records) out.push_back(r.word);
  return out;
}

TEST(Assembler, NamesLabelsAndCase) {
  Assembly a = assemble(
      "        NAMEREG s4, counter      ; a register by name\n"
      "        CONSTANT limit, 0A\n"
      "        constant step, limit\n"
      "start:  add counter, step\n"
      "        Compare counter, limit\n"
      "        jump c, start\n"
      "a: b:   LOAD S1, 0000000000FF    ; two labels, many leading zeros\n"
      "        ADDRESS 3FF\n"
      "        JUMP\tb\n");
  ASSERT_EQ(a.records.size(), 5u);
  EXPECT_EQ(a.records[0].word, 0x1840Au);
  EXPECT_EQ(a.records[2].word, 0x35800u);
  EXPECT_EQ(a.records[3].word, 0x001FFu);
  EXPECT_EQ(a.records[3].text, "LOAD S1, 0000000000FF");
  EXPECT_EQ(a.records[4].address, 0x3FF);
  EXPECT_EQ(a.records[4].word, 0x34003u);
  EXPECT_EQ(a.records[4].line, 9);
}

// The exact text each tool prints, one line, with the line number.
TEST(Assembler, Diagnostics) {
  const std::pair<const char*, const char*> cases[] = {
      {"LOAD s0,01\nFROB s1\n", "t.psm:2: error: unknown mnemonic 'FROB'"},
      {"LOAD sG,01\n", "t.psm:1: error: bad operand 'sG' for LOAD"},
      {"FETCH s0,(s1\n", "t.psm:1: error: bad operand '(s1' for FETCH"},
      {"FETCH s0,s1\n", "t.psm:1: error: bad operand 's1' for FETCH"},
      {"JUMP XY,there\nthere:\n", "t.psm:1: error: bad operand 'XY' for JUMP"},
      {"RETURNI MAYBE\n", "t.psm:1: error: bad operand 'MAYBE' for RETURNI"},
      {"ENABLE s0\n", "t.psm:1: error: bad operand 's0' for ENABLE"},
      {"ADD s0\n", "t.psm:1: error: ADD takes 2 operand(s)"},
      {"LOAD s0,\n", "t.psm:1: error: empty operand for LOAD"},
      {"RETURN Z,C\n", "t.psm:1: error: RETURN takes 0 or 1 operand(s)"},
      {"LOAD s0,100\n", "t.psm:1: error: constant '100' is out of range 00..FF"},
      {"LOAD s0,FFFFFFFF\n", "t.psm:1: error: constant 'FFFFFFFF' is out of range 00..FF"},
      {"OUTPUT s0,123456789ABCDEF0123\n",
       "t.psm:1: error: constant '123456789ABCDEF0123' is out of range 00..FF"},
      {"CONSTANT k, 1FF\n", "t.psm:1: error: constant '1FF' is out of range 00..FF"},
      {"CONSTANT k, zz\n", "t.psm:1: error: bad constant value 'zz'"},
      {"CONSTANT k, 1\nCONSTANT k, 2\n",
       "t.psm:2: error: constant 'k' defined twice with different values"},
      {"NAMEREG s0\n", "t.psm:1: error: NAMEREG expects a register and a name"},
      {"JUMP 400\n", "t.psm:1: error: address '400' is out of range 000..3FF"},
      {"CALL FFFFFFFFF\n", "t.psm:1: error: address 'FFFFFFFFF' is out of range 000..3FF"},
      {"ADDRESS 400\n", "t.psm:1: error: address '400' is out of range 000..3FF"},
      {"ADDRESS x\n", "t.psm:1: error: ADDRESS expects a program address 000..3FF"},
      {"\nJUMP nowhere\n", "t.psm:2: error: undefined label 'nowhere'"},
      {"a: LOAD s0,01\na: LOAD s0,02\n", "t.psm:2: error: duplicate label 'a'"},
      {"two words: LOAD s0,01\n", "t.psm:1: error: bad label 'two words'"},
      {"LOAD s0,01\nADDRESS 000\nLOAD s0,02\n",
       "t.psm:3: error: two instructions at program address 000"},
      {"ADDRESS 3FF\nLOAD s0,01\nLOAD s0,02\n",
       "t.psm:3: error: the program needs 1025 words, program memory holds 1024"},
      {"JUMP end\nADDRESS 3FF\nLOAD s0,01\nend:\n",
       "t.psm:1: error: label 'end' is past the end of program memory"},
  };
  for (const auto& [source, message] : cases) {
    try {
      assemble(source);
      ADD_FAILURE() << "accepted: " << source;
    } catch (const Error& e) {
      EXPECT_EQ(formatError("t.psm", e), message) << source;
    }
  }
}

TEST(Assembler, ExactlyOneThousandTwentyFourInstructionsFit) {
  std::string src;
  for (int i = 0; i < kProgramSize; ++i) src += "LOAD s0,01\n";
  EXPECT_EQ(words(src).size(), 1024u);
  EXPECT_THROW(assemble(src + "LOAD s0,01\n"), Error);
}

TEST(Assembler, MemoryMapBlock) {
  Assembly a = assemble(
      "        ; Memory usage:\n"
      "        ; adr size typ   variable\n"
      "        ; ---    2  A104  f(2404)\n"
      "        ;  60    2  2B04  u\n"
      "        ;  62    1  2102  b\n"
      "        ; 99999999999 1 2102 huge\n"
      "        ;-----------------\n");
  ASSERT_TRUE(a.memoryMap.present);
  ASSERT_EQ(a.memoryMap.globals.size(), 2u);
  EXPECT_EQ(a.memoryMap.globals[0].count, 1);   // 2-byte elements in 60..61
  EXPECT_EQ(a.memoryMap.globals[1].name, "b");
  EXPECT_FALSE(assemble("LOAD s0,01\n").memoryMap.present);
}

}  // namespace
}  // namespace assembly
