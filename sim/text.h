// Small string helpers shared by the assembler, the memory-map reader and the
// input script reader.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarvelsim {

std::string trim(const std::string& s);
std::string upper(std::string s);
std::vector<std::string> splitLines(const std::string& text);
std::vector<std::string> splitWords(const std::string& s);

// Parses hex digits without prefix (as the compiler writes numbers);
// nothing when the text is not hex or the value exceeds maxValue.
std::optional<int> parseHex(const std::string& s, int maxValue);

bool isIdentifier(const std::string& s);

}  // namespace tarvelsim
