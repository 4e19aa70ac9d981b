// The C source line of each assembly line, read from the ";@ FILE:LINE"
// comments that `tarvel -g` writes before the code of each C statement.
// The words after such a comment came from that C line, up to the next
// comment or the end of the function (its unconditional RETURN), so that
// start-up code, prologues and the runtime routines have no C line.
#pragma once

#include <string>
#include <vector>

#include "assembler.h"

namespace assembly {

struct CLine {
  int file = -1;  // index into SourceMap::files; -1: no C line
  int line = 0;
  bool known() const { return file >= 0; }
  bool operator==(const CLine& o) const { return file == o.file && line == o.line; }
  bool operator!=(const CLine& o) const { return !(*this == o); }
};

struct SourceMap {
  std::vector<std::string> files;  // as the comments name them, in order of appearance
  std::vector<CLine> byLine;       // per assembly line, index line - 1

  bool present() const { return !files.empty(); }
  CLine at(int textLine) const;
  // "file:line", or "" when the line is not known.
  std::string name(const CLine& c) const;
};

SourceMap readSourceMap(const Assembly& program);

}  // namespace assembly
