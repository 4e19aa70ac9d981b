// The program as the simulator runs it: one decoded instruction per program
// memory slot, plus what the compiler's memory map says about global
// variables. It is built from the assembler's words (text) or read from a
// word image; either way the words go through the same decoder.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "asm/assembler.h"
#include "asm/images.h"
#include "asm/sourcemap.h"

namespace tarvelsim {

using assembly::CLine;
using assembly::Cond;
using assembly::Global;
using assembly::kDataSize;
using assembly::kProgramSize;
using assembly::Op;
using AsmError = assembly::Error;

constexpr int kRegisterCount = 16;   // s0..sF
constexpr int kStackDepth = 31;      // return addresses held by the processor
constexpr int kInterruptVector = 0x3FF;

// A decoded instruction and where it came from, for faults and the trace.
struct Instr : assembly::Instruction {
  int line = 0;        // source line (image line for an image)
  std::string text;    // source text without comment and label
  CLine cLine;         // the C line it came from (programs built with -g)
};

struct Program {
  std::string fileName;
  std::array<std::optional<Instr>, kProgramSize> slots;
  std::vector<Global> globals;
  bool hasMemoryMap = false;
  std::vector<std::string> cFiles;      // the C files that CLine::file indexes
  std::map<std::string, int> labels;    // every label and its address
  std::vector<int> entries;             // sorted addresses where routines begin
};

// Only the words the program writes get a slot, so that running into the
// rest is a fault.
Program fromAssembly(const assembly::Assembly& program, const std::string& fileName);

// Every word of an image is a slot (a word that is no instruction stays
// empty); `lines` gives each word's image line, and the trace shows each
// instruction as disassembled text.
Program fromImage(const assembly::WordImage& words, const assembly::LineTable& lines,
                  const std::string& fileName);

// Reads a hex or mem image (throws AsmError) and builds the program from it.
Program loadImage(const std::string& text, const std::string& fileName);

// Assembles `text` (throws AsmError) and builds the program from its words.
Program assemble(const std::string& text, const std::string& fileName);

}  // namespace tarvelsim
