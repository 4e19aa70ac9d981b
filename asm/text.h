// Small string helpers shared by the assembler, the memory-map reader, the
// image reader and the simulator's input script reader.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace assembly {

std::string trim(const std::string& s);
std::string upper(std::string s);
std::vector<std::string> splitLines(const std::string& text);
std::vector<std::string> splitWords(const std::string& s);

// A hex number without prefix (as the compiler writes numbers): Ok with the
// value, TooLarge when every character is a hex digit but the value exceeds
// the limit (however many digits), NotANumber otherwise.
struct HexNumber {
  enum Kind { Ok, TooLarge, NotANumber } kind = NotANumber;
  uint32_t value = 0;
};
HexNumber readHex(const std::string& s, uint32_t maxValue);

// The value of readHex when it is Ok, nothing otherwise.
std::optional<int> parseHex(const std::string& s, int maxValue);

bool isIdentifier(const std::string& s);

// Upper-case hex with at least `digits` digits.
std::string hex(unsigned value, int digits);

}  // namespace assembly
