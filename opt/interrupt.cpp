// The interrupt entry: the compiler's entry copies s0..s5 and sD into
// s6..sC around the call of the handler, which keeps every function of a
// program with a handler out of s6..sC. Once the handler is optimized and
// what it (and everything it calls) may change is known, the entry need
// copy only those registers, each into a register from sC downwards that
// no other code is given.
#include "opt/interrupt.h"

namespace opt {
namespace {

// The registers the compiler's entry saves, in its order, and where.
const int kSaved[] = {4, 5, 0, 1, 2, 3, kSD};
const int kSlots[] = {6, 7, 8, 9, 10, 11, 12};

std::vector<Line> entryCode(const std::vector<std::pair<int, int>>& saves) {
  std::vector<Line> code;
  for (auto [reg, slot] : saves) code.push_back(makeInstr("LOAD", regName(slot), regName(reg)));
  code.push_back(makeInstr("CALL", "_my_irq"));
  code.push_back(makeInstr("OR", "s2", "s2"));
  for (auto it = saves.rbegin(); it != saves.rend(); ++it)
    code.push_back(makeInstr("LOAD", regName(it->first), regName(it->second)));
  Line jump = makeInstr("JUMP", "irq0");
  jump.cond = "Z";
  code.push_back(jump);
  code.push_back(makeInstr("RETURNI", "ENABLE"));
  return code;
}

std::vector<std::pair<int, int>> compilerSaves() {
  std::vector<std::pair<int, int>> saves;
  for (int i = 0; i < 7; ++i) saves.emplace_back(kSaved[i], kSlots[i]);
  return saves;
}

}  // namespace

int findInterruptEntry(const std::vector<std::string>& text) {
  std::vector<Line> expected = entryCode(compilerSaves());
  for (size_t i = 0; i < text.size(); ++i) {
    Line label = parseLine(text[i]);
    if (label.kind != Line::Label || label.text != "irq1") continue;
    size_t at = i + 1;
    for (const Line& want : expected) {
      while (at < text.size() && parseLine(text[at]).kind == Line::Text) ++at;
      if (at >= text.size() || printLine(parseLine(text[at])) != printLine(want)) return -1;
      ++at;
    }
    return static_cast<int>(i);
  }
  return -1;
}

bool planInterruptEntry(const RegSet& handlerClobber, RegSet& slots, std::vector<Line>& code) {
  std::vector<std::pair<int, int>> saves;
  int next = 12;
  for (int r = 0; r <= kSD; ++r) {
    if (!handlerClobber.test(r)) continue;
    if (r >= 6 && r < kSD) return false;  // the handler uses the save area itself
    saves.emplace_back(r, next);
    slots.set(next--);
  }
  code = entryCode(saves);
  return true;
}

void replaceInterruptEntry(std::vector<std::string>& text, int at, const std::vector<Line>& code) {
  size_t end = static_cast<size_t>(at) + 1;
  for (size_t n = 0; n < entryCode(compilerSaves()).size(); ++end)
    if (parseLine(text[end]).kind != Line::Text) ++n;
  std::vector<std::string> lines;
  for (const Line& l : code) lines.push_back(printLine(l));
  text.erase(text.begin() + at + 1, text.begin() + static_cast<long>(end));
  text.insert(text.begin() + at + 1, lines.begin(), lines.end());
}

}  // namespace opt
