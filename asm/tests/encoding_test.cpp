// Instruction words: the documented encodings, and encode/decode/disassemble
// agreeing with each other over the whole 18-bit word space.
#include <gtest/gtest.h>

#include "asm/assembler.h"

namespace assembly {
namespace {

uint32_t wordOf(const std::string& line) { return assemble(line).records.at(0).word; }

TEST(Encoding, EveryForm) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"LOAD sF,3E", 0x00F3E},      {"LOAD s6,s4", 0x01640},     {"STORE sE,(sF)", 0x2FEF0},
      {"FETCH s2,3E", 0x0623E},     {"SUB sF,01", 0x1CF01},      {"JUMP NZ,123", 0x35523},
      {"CALL 027", 0x30027},        {"AND s1,s2", 0x0B120},      {"OR s1,80", 0x0C180},
      {"XOR s3,s3", 0x0F330},       {"TEST s0,01", 0x12001},     {"COMPARE s5,s6", 0x15560},
      {"ADD s0,01", 0x18001},       {"ADDCY s1,s9", 0x1B190},    {"SUBCY s1,00", 0x1E100},
      {"INPUT s2,01", 0x04201},     {"INPUT s2,(s3)", 0x05230},  {"OUTPUT s2,10", 0x2C210},
      {"OUTPUT s2,(s0)", 0x2D200},  {"FETCH s0,(s1)", 0x07010},  {"STORE s1,3F", 0x2E13F},
      {"SLA s1", 0x20100},          {"RL s1", 0x20102},          {"SLX s1", 0x20104},
      {"SL0 s1", 0x20106},          {"SL1 s1", 0x20107},         {"SRA s1", 0x20108},
      {"SRX s1", 0x2010A},          {"RR s1", 0x2010C},          {"SR0 s1", 0x2010E},
      {"SR1 sF", 0x20F0F},          {"JUMP 3FF", 0x343FF},       {"JUMP Z,001", 0x35001},
      {"CALL C,002", 0x31802},      {"CALL NC,003", 0x31C03},    {"RETURN", 0x2A000},
      {"RETURN Z", 0x2B000},        {"RETURN NZ", 0x2B400},      {"RETURN C", 0x2B800},
      {"RETURN NC", 0x2BC00},       {"RETURNI ENABLE", 0x38001}, {"RETURNI DISABLE", 0x38000},
      {"ENABLE INTERRUPT", 0x3C001}, {"DISABLE INTERRUPT", 0x3C000},
  };
  for (const auto& [text, word] : cases) {
    EXPECT_EQ(wordOf(text), word) << text;
    EXPECT_EQ(decode(word) ? disassemble(*decode(word)) : "not decoded", text);
  }
}

// Every word that decodes encodes back to itself and reassembles from its
// disassembly; the count of such words pins down that decode rejects
// nothing the encoder can produce: 14 register/constant operations with
// 4096 constant and 256 register forms, 16x10 shifts, JUMP and CALL with
// five conditions, RETURN with five, RETURNI and the interrupt switches.
TEST(Encoding, DecodeEncodeAssembleRoundTripOverAllWords) {
  int valid = 0;
  for (uint32_t w = 0; w <= kWordMask; ++w) {
    std::optional<Instruction> in = decode(w);
    if (!in) continue;
    ++valid;
    ASSERT_EQ(encode(*in), w);
    ASSERT_EQ(wordOf(disassemble(*in)), w) << disassemble(*in);
  }
  EXPECT_EQ(valid, 14 * (4096 + 256) + 160 + 2 * 5 * 1024 + 5 + 2 + 2);
}

}  // namespace
}  // namespace assembly
