#include "memmap.h"

#include <algorithm>
#include <sstream>

#include "text.h"

namespace tarvelsim {
namespace {

// The text after the first ';' of a line, trimmed; empty when no comment.
std::string commentOf(const std::string& line) {
  size_t semi = line.find(';');
  return semi == std::string::npos ? "" : trim(line.substr(semi + 1));
}

bool isRule(const std::string& comment) {
  return comment.size() > 3 && comment.find_first_not_of('-') == std::string::npos;
}

// One table row: "adr size typ name[ - initvalue=N]". Function rows have
// "---" as address and are not variables.
bool parseRow(const std::string& comment, Global& g) {
  std::istringstream in(comment);
  std::string adr, size, typ, name;
  if (!(in >> adr >> size >> typ >> name)) return false;
  if (adr == "---") return false;
  try {
    g.addr = std::stoi(adr);
    g.elemSize = std::stoi(size);
  } catch (const std::exception&) {
    return false;
  }
  std::optional<int> type = parseHex(typ, 0xFFFF);
  if (!type || !isIdentifier(name)) return false;
  g.typeWord = *type;
  g.name = name;
  return true;
}

void sizeArrays(std::vector<Global>& globals) {
  for (Global& g : globals) {
    if (!g.isArray() || g.elemSize <= 0) continue;
    int next = kDataSize;
    for (const Global& other : globals)
      if (other.addr > g.addr && other.addr < next) next = other.addr;
    g.count = std::max(1, (next - g.addr) / g.elemSize);
  }
}

}  // namespace

void readMemoryMap(const std::vector<std::string>& lines, Program& prog) {
  size_t i = 0;
  while (i < lines.size() && commentOf(lines[i]) != "Memory usage:") ++i;
  if (i == lines.size()) return;
  prog.hasMemoryMap = true;
  for (++i; i < lines.size(); ++i) {
    std::string c = commentOf(lines[i]);
    if (isRule(c)) break;
    Global g;
    if (parseRow(c, g)) prog.globals.push_back(g);
  }
  sizeArrays(prog.globals);
}

}  // namespace tarvelsim
