// Reads the compiler's memory map comment block (the "Memory usage:" table
// at the top of its output) so that tools can show globals by name.
#pragma once

#include <string>
#include <vector>

namespace assembly {

constexpr int kDataSize = 64;  // data memory bytes 00..3F

// A global variable as the compiler's memory map lists it.
struct Global {
  std::string name;
  int addr = 0;
  int elemSize = 1;   // bytes of one element (1 or 2)
  int count = 1;      // elements; more than one only for arrays
  int typeWord = 0;

  bool isUnsigned() const { return (typeWord & 0x800) != 0; }
  bool isArray() const { return (typeWord & 0x200) != 0; }
  bool isPointer() const { return (typeWord & 0x80) != 0; }
};

struct MemoryMap {
  bool present = false;  // the text carried the block
  std::vector<Global> globals;
};

// The listing gives an array's lowest address and its element size but not
// its length; the length is taken as the room up to the next listed variable
// (or the end of data memory), since statics are packed downward from there.
MemoryMap readMemoryMap(const std::vector<std::string>& lines);

}  // namespace assembly
