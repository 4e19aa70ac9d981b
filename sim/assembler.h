// Turns assembly text (the compiler's output, inline asm included) into a
// Program. The first error stops assembly; it carries the source line so the
// caller can print the usual "file:line: message" diagnostic.
#pragma once

#include <stdexcept>
#include <string>

#include "program.h"

namespace tarvelsim {

class AsmError : public std::runtime_error {
 public:
  AsmError(int line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Assembles `text`; `fileName` is only recorded in the result. The memory
// map comment block, when present, fills Program::globals.
Program assemble(const std::string& text, const std::string& fileName);

}  // namespace tarvelsim
