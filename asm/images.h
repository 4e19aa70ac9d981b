// Memory images of an assembled program, as text for the caller to write:
// the formats FPGA tools and simulators load into program memory, a
// listing for people, and a reader for the hex and mem formats.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "assembler.h"

namespace assembly {

using WordImage = std::array<uint32_t, kProgramSize>;

// Every program word; words the program does not write are 00000.
WordImage wordImage(const Assembly& program);

// 1,024 lines of five hex digits, line n holding the word at address n.
std::string hexImage(const WordImage& words);
// The hex image after an "@00000000" start address line.
std::string memImage(const WordImage& words);
// Memory initialization text: a header, then 128 rows of eight words.
std::string mifImage(const WordImage& words);

// Synthesizable ROMs (clock, 10-bit address, registered 18-bit instruction
// out) named after `name`, made a legal identifier by hdlName().
std::string vhdlRom(const WordImage& words, const std::string& name);
std::string verilogRom(const WordImage& words, const std::string& name);
std::string hdlName(const std::string& name);

// Every source line with the address and word it produced, if any.
std::string listing(const Assembly& program);

// Reads a hex or mem image: hex words, whitespace separated, each at the
// next address; "@addr" moves to a new address and "//" starts a comment.
// Throws Error with the image's line on anything else. `lines`, when given,
// receives the image line of every word (0 for words the image leaves out).
using LineTable = std::array<int, kProgramSize>;
WordImage readImage(const std::string& text, LineTable* lines = nullptr);

}  // namespace assembly
