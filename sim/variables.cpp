#include "variables.h"

#include "asm/text.h"

namespace tarvelsim {
namespace {

const Global* findGlobal(const Program& prog, const std::string& name) {
  for (const Global& g : prog.globals)
    if (g.name == name && g.elemSize > 0) return &g;
  return nullptr;
}

}  // namespace

Cell cellOf(const Global& g, int index) {
  Cell c;
  c.name = g.isArray() ? g.name + "[" + std::to_string(index) + "]" : g.name;
  c.addr = g.addr + index * g.elemSize;
  c.size = g.elemSize;
  c.isSigned = !g.isUnsigned() && !g.isPointer();
  return c;
}

namespace {

// What a pointer global points at, read now: its base type's size and
// signedness (the low bits of the type word: 2 char, 3 short, 4 int).
Cell pointee(const Global& p, const Machine& m) {
  Cell c;
  c.name = "*" + p.name;
  c.addr = m.mem[p.addr];
  c.size = (p.typeWord & 0x0F) >= 3 ? 2 : 1;
  c.isSigned = !p.isUnsigned();
  return c;
}

bool insideData(const Cell& c) { return c.addr >= 0 && c.addr + c.size <= kDataSize; }

}  // namespace

std::vector<Cell> cellsOf(const Program& prog, const Machine& m, const std::string& text,
                          std::string& error) {
  std::string expr = assembly::trim(text);
  bool deref = !expr.empty() && expr[0] == '*';
  if (deref) expr = assembly::trim(expr.substr(1));
  int index = -1;
  size_t open = expr.find('[');
  if (open != std::string::npos && !deref) {
    std::string digits = expr.substr(open + 1, expr.size() - open - 2);
    if (expr.back() != ']' || digits.empty() || digits.size() > 4 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
      error = "expected NAME, NAME[INDEX] or *NAME, not '" + text + "'";
      return {};
    }
    index = std::stoi(digits);
    expr = expr.substr(0, open);
  }
  const Global* g = findGlobal(prog, expr);
  if (!g) {
    error = prog.hasMemoryMap ? "no global variable '" + expr + "'"
                              : "the program has no memory map to name variables by";
    return {};
  }
  std::vector<Cell> cells;
  if (deref) {
    if (!g->isPointer()) {
      error = "'" + expr + "' is no pointer";
      return {};
    }
    cells.push_back(pointee(*g, m));
  } else if (index >= 0) {
    if (!g->isArray() || index >= g->count) {
      error = "'" + expr + "' has no element " + std::to_string(index);
      return {};
    }
    cells.push_back(cellOf(*g, index));
  } else {
    for (int i = 0; i < g->count; ++i) cells.push_back(cellOf(*g, i));
  }
  for (const Cell& c : cells)
    if (!insideData(c)) {
      error = c.name + " is at address " + assembly::hex(static_cast<unsigned>(c.addr) & 0xFF, 2) +
              ", outside data memory";
      return {};
    }
  return cells;
}

long readCell(const Machine& m, const Cell& c) {
  long v = m.mem[c.addr];
  if (c.size == 2) v |= static_cast<long>(m.mem[c.addr + 1]) << 8;
  long top = c.size == 2 ? 0x8000 : 0x80;
  if (c.isSigned && (v & top)) v -= 2 * top;
  return v;
}

}  // namespace tarvelsim
