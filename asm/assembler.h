// Turns assembly text (the compiler's output, inline asm included, or a
// hand-written program) into one record per program word. The first error
// stops assembly; it carries the source line so that each tool can print it
// in its own format.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "instruction.h"
#include "memmap.h"

namespace assembly {

class Error : public std::runtime_error {
 public:
  // A program too large for program memory is a budget error rather than a
  // mistake in a line: the driver explains it with the program's size.
  enum Kind { InText, TooLarge, ReachesVector };
  Error(int line, const std::string& message, Kind kind = InText)
      : std::runtime_error(message), line_(line), kind_(kind) {}
  int line() const { return line_; }
  Kind kind() const { return kind_; }

 private:
  int line_;
  Kind kind_;
};

// "FILE:LINE: error: message" (without the line when it is 0), one line.
std::string formatError(const std::string& file, const Error& e);

// One program word and where it came from.
struct Record {
  int address = 0;
  uint32_t word = 0;
  int line = 0;        // 1-based source line
  std::string text;    // the source line without label and comment
};

struct Assembly {
  std::vector<Record> records;      // in source order
  std::vector<std::string> lines;   // the source text, for listings
  MemoryMap memoryMap;              // from the compiler's comment block
  std::map<std::string, int> labels;  // every label and its program address
};

// Throws Error on the first fault in the text.
Assembly assemble(const std::string& text);

}  // namespace assembly
