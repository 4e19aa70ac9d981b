// What the assembler accepts (the compiler's layout and hand-written asm),
// the one-line diagnostic for each kind of bad input, the memory map block,
// and the image reader, listing and HDL names.
#include <gtest/gtest.h>

#include "asm/assembler.h"
#include "asm/images.h"

namespace assembly {
namespace {

// The text of the error `work` throws, "accepted" when it throws none.
template <class F>
std::string errorOf(F work, const char* file) {
  try {
    work();
  } catch (const Error& e) {
    return formatError(file, e);
  }
  return "accepted";
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
  std::vector<uint32_t> words;
  for (const auto& record : a.records) words.push_back(record.word);
  ASSERT_EQ(words, (std::vector<uint32_t>{0x1840A, 0x1440A, 0x35800, 0x001FF, 0x34003}));
  EXPECT_EQ(a.records[3].text, "LOAD S1, 0000000000FF");
  EXPECT_EQ(a.records[4].address, 0x3FF);
  EXPECT_EQ(a.records[4].line, 9);
  std::string full;
  for (int i = 0; i < kProgramSize; ++i) full += "LOAD s0,01\n";
  EXPECT_EQ(assemble(full).records.size(), 1024u);
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
      {"OUTPUT s0,123456789ABCDEF0123\n", "t.psm:1: error: constant '123456789ABCDEF0123' is out of range 00..FF"},
      {"CONSTANT k, 1FF\n", "t.psm:1: error: constant '1FF' is out of range 00..FF"},
      {"CONSTANT k, zz\n", "t.psm:1: error: bad constant value 'zz'"},
      {"CONSTANT k, 1\nCONSTANT k, 2\n", "t.psm:2: error: constant 'k' defined twice with different values"},
      {"NAMEREG s0\n", "t.psm:1: error: NAMEREG expects a register and a name"},
      {"JUMP 400\n", "t.psm:1: error: address '400' is out of range 000..3FF"},
      {"CALL FFFFFFFFF\n", "t.psm:1: error: address 'FFFFFFFFF' is out of range 000..3FF"},
      {"ADDRESS 400\n", "t.psm:1: error: address '400' is out of range 000..3FF"},
      {"ADDRESS x\n", "t.psm:1: error: ADDRESS expects a program address 000..3FF"},
      {"\nJUMP nowhere\n", "t.psm:2: error: undefined label 'nowhere'"},
      {"a: LOAD s0,01\na: LOAD s0,02\n", "t.psm:2: error: duplicate label 'a'"},
      {"two words: LOAD s0,01\n", "t.psm:1: error: bad label 'two words'"},
      {"LOAD s0,01\nADDRESS 000\nLOAD s0,02\n", "t.psm:3: error: two instructions at program address 000"},
      {"ADDRESS 3FF\nLOAD s0,01\nLOAD s0,02\n", "t.psm:3: error: the program needs 1025 words, program memory holds 1024"},
      {"JUMP end\nADDRESS 3FF\nLOAD s0,01\nend:\n", "t.psm:1: error: label 'end' is past the end of program memory"},
  };
  for (const auto& [source, message] : cases)
    EXPECT_EQ(errorOf([&] { assemble(source); }, "t.psm"), message) << source;
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

// Writing the formats end to end is the driver's test; here the listing's
// columns and the reader's loose layout and its errors.
TEST(Images, ListingAndReader) {
  EXPECT_EQ(listing(assemble("start:  LOAD    sF,3E   ; first word\n        ; a comment line\n"
                             "        ADDRESS 3FF\n        JUMP    NZ,start\n")),
            "000 00F3E  start:  LOAD    sF,3E   ; first word\n"
            "                   ; a comment line\n"
            "                   ADDRESS 3FF\n"
            "3FF 35400          JUMP    NZ,start\n");
  LineTable lines;
  WordImage w = readImage("// header\n1 2\n@3FE 3ffff // last two\n00004\n", &lines);
  EXPECT_EQ(w[1], 2u);
  EXPECT_EQ(w[0x3FE], 0x3FFFFu);
  EXPECT_EQ(w[0x3FF], 4u);
  EXPECT_EQ(lines[0x3FF], 4);
  const std::pair<const char*, const char*> bad[] = {
      {"00000\nxyz\n", "t.hex:2: error: bad image entry 'xyz'"},
      {"40000\n", "t.hex:1: error: word '40000' is out of range"},
      {"FFFFFFFFFFFF\n", "t.hex:1: error: word 'FFFFFFFFFFFF' is out of range"},
      {"@400\n", "t.hex:1: error: address '400' is out of range"},
      {"@\n", "t.hex:1: error: bad image entry '@'"},
      {"@3FF 1\n2\n", "t.hex:2: error: image holds more than 1024 words"},
  };
  for (const auto& [text, message] : bad) EXPECT_EQ(errorOf([&] { readImage(text); }, "t.hex"), message);
}

TEST(Images, HdlNamesAreLegalIdentifiers) {
  const std::pair<const char*, const char*> names[] = {
      {"blink", "blink"}, {"my-prog.v2", "my_prog_v2"}, {"__a  b__", "a_b"}, {"7seg", "rom_7seg"},
      {"Entity", "Entity_rom"}, {"clk", "clk_rom"}, {"\xC3\xA9t\xC3\xA9", "t"}, {"...", "program_rom"}};
  for (const auto& [name, legal] : names) EXPECT_EQ(hdlName(name), legal);
}

}  // namespace
}  // namespace assembly
