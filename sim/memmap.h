// Reads the compiler's memory map comment block (the "Memory usage:" table
// at the top of a listing) so that --dump can show globals by name.
#pragma once

#include <string>
#include <vector>

#include "program.h"

namespace tarvelsim {

// Fills prog.globals and sets prog.hasMemoryMap when the block is present.
// The listing gives an array's lowest address and its element size but not
// its length; the length is taken as the room up to the next listed variable
// (or the end of data memory), since statics are packed downward from there.
void readMemoryMap(const std::vector<std::string>& lines, Program& prog);

}  // namespace tarvelsim
