#include "memmap.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "text.h"

namespace assembly {
namespace {

// The text after the first ';' of a line, trimmed; empty when no comment.
std::string commentOf(const std::string& line) {
  size_t semi = line.find(';');
  return semi == std::string::npos ? "" : trim(line.substr(semi + 1));
}

bool isRule(const std::string& comment) {
  return comment.size() > 3 && comment.find_first_not_of('-') == std::string::npos;
}

// A decimal field of a table row, nothing unless it is 0..maxValue. The
// bound keeps every later address computation far from overflow.
std::optional<int> decimal(const std::string& s, int maxValue) {
  if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  int v = std::stoi(s);
  if (v > maxValue) return std::nullopt;
  return v;
}

// One table row: "adr size typ name[ - initvalue=N]". Function rows have
// "---" as address and are not variables.
bool parseRow(const std::string& comment, Global& g) {
  std::istringstream in(comment);
  std::string adr, size, typ, name;
  if (!(in >> adr >> size >> typ >> name)) return false;
  std::optional<int> addr = decimal(adr, 99999);
  std::optional<int> elemSize = decimal(size, 16);
  std::optional<int> type = parseHex(typ, 0xFFFF);
  if (!addr || !elemSize || !type || !isIdentifier(name)) return false;
  g.addr = *addr;
  g.elemSize = *elemSize;
  g.typeWord = *type;
  g.name = name;
  return true;
}

// An array runs up to the next listed address above its own; the sorted
// address list keeps this linear-logarithmic in the number of rows.
void sizeArrays(std::vector<Global>& globals) {
  std::vector<int> addrs;
  for (const Global& g : globals) addrs.push_back(g.addr);
  std::sort(addrs.begin(), addrs.end());
  for (Global& g : globals) {
    if (!g.isArray() || g.elemSize <= 0) continue;
    auto above = std::upper_bound(addrs.begin(), addrs.end(), g.addr);
    int next = above == addrs.end() ? kDataSize : std::min(*above, kDataSize);
    g.count = std::max(1, (next - g.addr) / g.elemSize);
  }
}

}  // namespace

MemoryMap readMemoryMap(const std::vector<std::string>& lines) {
  MemoryMap map;
  size_t i = 0;
  while (i < lines.size() && commentOf(lines[i]) != "Memory usage:") ++i;
  if (i == lines.size()) return map;
  map.present = true;
  for (++i; i < lines.size(); ++i) {
    std::string c = commentOf(lines[i]);
    if (isRule(c)) break;
    Global g;
    if (parseRow(c, g)) map.globals.push_back(g);
  }
  sizeArrays(map.globals);
  return map;
}

}  // namespace assembly
