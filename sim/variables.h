// Globals by the names the C program gave them, for print, watch and the
// waveform: "count", "buf" (every element), "buf[3]" and "*p".
#pragma once

#include <string>
#include <vector>

#include "machine.h"
#include "program.h"

namespace tarvelsim {

// One variable or array element in data memory.
struct Cell {
  std::string name;  // as shown: "buf[3]"
  int addr = 0;
  int size = 1;      // bytes, little-endian
  bool isSigned = true;
};

// The cells `expr` names: one for a scalar or an element, every element
// for a whole array. "*p" reads the pointer p in `m` now. Empty with
// `error` set when the name is unknown or the address is outside data
// memory.
std::vector<Cell> cellsOf(const Program& prog, const Machine& m, const std::string& expr,
                          std::string& error);

// Element `index` of a global (0 for a scalar).
Cell cellOf(const Global& g, int index);

// The value of a cell as the C program sees it.
long readCell(const Machine& m, const Cell& c);

}  // namespace tarvelsim
