// The image formats hold the same words as each other, the reader takes
// back what the writers produce and rejects malformed images.
#include <gtest/gtest.h>

#include <sstream>

#include "asm/images.h"

namespace assembly {
namespace {

const char* kProgram =
    "start:  LOAD    sF,3E   ; first word\n"
    "        ; a comment line\n"
    "        CALL    start\n"
    "        ADDRESS 3FF\n"
    "        JUMP    NZ,start\n";

// The words of a mif text, read the way a memory initializer reads them.
WordImage wordsOfMif(const std::string& mif) {
  WordImage words{};
  std::istringstream in(mif);
  std::string line;
  while (std::getline(in, line)) {
    size_t colon = line.find(" : ");
    if (colon == std::string::npos) continue;
    unsigned addr = std::stoul(line.substr(0, colon), nullptr, 16);
    std::istringstream row(line.substr(colon + 3));
    std::string w;
    while (row >> w) words.at(addr++) = std::stoul(w, nullptr, 16);
  }
  return words;
}

TEST(Images, FormatsAgreeWordForWord) {
  WordImage words = wordImage(assemble(kProgram));
  EXPECT_EQ(words[0], 0x00F3Eu);
  EXPECT_EQ(words[1], 0x30000u);
  EXPECT_EQ(words[2], 0u);
  EXPECT_EQ(words[0x3FF], 0x35400u);

  std::string hex = hexImage(words);
  EXPECT_EQ(hex.size(), 1024u * 6);
  EXPECT_EQ(hex.substr(0, 18), "00F3E\n30000\n00000\n");
  EXPECT_EQ(memImage(words), "@00000000\n" + hex);

  std::string mif = mifImage(words);
  const std::string header =
      "DEPTH = 1024;\nWIDTH = 18;\nADDRESS_RADIX = HEX;\nDATA_RADIX = HEX;\nCONTENT\nBEGIN\n"
      "0000 : 00F3E 30000 00000";
  EXPECT_EQ(mif.substr(0, header.size()), header);
  EXPECT_NE(mif.find("\n03F8 : 00000 00000 00000 00000 00000 00000 00000 35400;\nEND;\n"),
            std::string::npos);
  EXPECT_EQ(wordsOfMif(mif), words);

  LineTable lines;
  EXPECT_EQ(readImage(hex), words);
  EXPECT_EQ(readImage(memImage(words), &lines), words);
  EXPECT_EQ(lines[0], 2);
  EXPECT_EQ(lines[0x3FF], 1025);
}

TEST(Images, ListingColumns) {
  EXPECT_EQ(listing(assemble(kProgram)),
            "000 00F3E  start:  LOAD    sF,3E   ; first word\n"
            "                   ; a comment line\n"
            "001 30000          CALL    start\n"
            "                   ADDRESS 3FF\n"
            "3FF 35400          JUMP    NZ,start\n");
}

TEST(Images, ReaderAcceptsLooseLayoutAndRejectsBadEntries) {
  WordImage w = readImage("// header\n1 2\n@3FE 3ffff // last two\n00004\n");
  EXPECT_EQ(w[1], 2u);
  EXPECT_EQ(w[0x3FE], 0x3FFFFu);
  EXPECT_EQ(w[0x3FF], 4u);

  const std::pair<const char*, const char*> bad[] = {
      {"00000\nxyz\n", "t.hex:2: error: bad image entry 'xyz'"},
      {"40000\n", "t.hex:1: error: word '40000' is out of range"},
      {"FFFFFFFFFFFF\n", "t.hex:1: error: word 'FFFFFFFFFFFF' is out of range"},
      {"@400\n", "t.hex:1: error: address '400' is out of range"},
      {"@\n", "t.hex:1: error: bad image entry '@'"},
      {"@3FF 1\n2\n", "t.hex:2: error: image holds more than 1024 words"},
  };
  for (const auto& [text, message] : bad) {
    try {
      readImage(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const Error& e) {
      EXPECT_EQ(formatError("t.hex", e), message);
    }
  }
}

TEST(Images, HdlNamesAreLegalIdentifiers) {
  EXPECT_EQ(hdlName("blink"), "blink");
  EXPECT_EQ(hdlName("my-prog.v2"), "my_prog_v2");
  EXPECT_EQ(hdlName("__a  b__"), "a_b");
  EXPECT_EQ(hdlName("7seg"), "rom_7seg");
  EXPECT_EQ(hdlName("Entity"), "Entity_rom");
  EXPECT_EQ(hdlName("clk"), "clk_rom");
  EXPECT_EQ(hdlName("\xC3\xA9t\xC3\xA9"), "t");
  EXPECT_EQ(hdlName("..."), "program_rom");
}

}  // namespace
}  // namespace assembly
