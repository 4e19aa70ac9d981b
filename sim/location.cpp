#include "location.h"

#include <algorithm>

#include "asm/text.h"

namespace tarvelsim {
namespace {

bool sameFile(const std::string& recorded, const std::string& given) {
  if (recorded == given) return true;
  return recorded.size() > given.size() &&
         recorded.compare(recorded.size() - given.size(), given.size(), given) == 0 &&
         recorded[recorded.size() - given.size() - 1] == '/';
}

// The first address of each run of words that came from `file`:`line`;
// a loop's condition and its body's end may form several runs.
std::vector<int> lineStarts(const Program& prog, int file, int line) {
  std::vector<int> starts;
  bool inRun = false;
  for (int a = 0; a < kProgramSize; ++a) {
    const auto& slot = prog.slots[a];
    bool here = slot && slot->cLine.file == file && slot->cLine.line == line;
    if (here && !inRun) starts.push_back(a);
    inRun = here;
  }
  return starts;
}

std::vector<int> cLineAddresses(const Program& prog, const std::string& file, int line,
                                std::string& error) {
  if (prog.cFiles.empty()) {
    error = "the program has no C lines (build it with tarvel -g, or give tarvelsim the .c file)";
    return {};
  }
  int fileIndex = -1;
  for (size_t f = 0; f < prog.cFiles.size(); ++f)
    if (sameFile(prog.cFiles[f], file)) fileIndex = static_cast<int>(f);
  if (fileIndex < 0) {
    error = "no C file '" + file + "' in the program";
    return {};
  }
  // The nearest line at or after `line` that has code.
  int best = 0;
  for (const auto& slot : prog.slots)
    if (slot && slot->cLine.file == fileIndex && slot->cLine.line >= line &&
        (best == 0 || slot->cLine.line < best))
      best = slot->cLine.line;
  if (best == 0) {
    error = "no code at or after " + file + ":" + std::to_string(line);
    return {};
  }
  return lineStarts(prog, fileIndex, best);
}

// A function's first C line, after its prologue; the entry itself when the
// function has no C lines before the next routine.
int afterPrologue(const Program& prog, int entry) {
  auto next = std::upper_bound(prog.entries.begin(), prog.entries.end(), entry);
  int end = next == prog.entries.end() ? kProgramSize : *next;
  for (int a = entry; a < end; ++a)
    if (prog.slots[a] && prog.slots[a]->cLine.known()) return a;
  return entry;
}

}  // namespace

std::string cLineName(const Program& prog, const Instr& in) {
  if (!in.cLine.known()) return "";
  return prog.cFiles[in.cLine.file] + ":" + std::to_string(in.cLine.line);
}

std::string where(const Program& prog, int address) {
  if (address < 0 || address >= kProgramSize || !prog.slots[address]) return prog.fileName;
  const Instr& in = *prog.slots[address];
  std::string asmLine = prog.fileName + ":" + std::to_string(in.line);
  std::string c = cLineName(prog, in);
  return c.empty() ? asmLine : c + " (" + asmLine + ")";
}

std::string functionAt(const Program& prog, int address) {
  auto above = std::upper_bound(prog.entries.begin(), prog.entries.end(), address);
  if (above == prog.entries.begin()) return "start-up code";
  int entry = *std::prev(above);
  std::string best;
  for (const auto& [name, addr] : prog.labels)
    if (addr == entry && (best.empty() || name[0] == '_')) best = name;
  if (best.size() > 1 && best[0] == '_') return best.substr(1);
  if (!best.empty()) return best;
  if (entry == 0) return "start-up code";
  if (entry == kInterruptVector) return "interrupt vector";
  return "routine at " + assembly::hex(entry, 3);
}

std::vector<int> breakAddresses(const Program& prog, const std::string& where, std::string& error) {
  size_t colon = where.rfind(':');
  if (colon != std::string::npos && colon + 1 < where.size() &&
      where.find_first_not_of("0123456789", colon + 1) == std::string::npos && colon + 10 > where.size())
    return cLineAddresses(prog, where.substr(0, colon), std::stoi(where.substr(colon + 1)), error);
  auto function = prog.labels.find("_" + where);
  if (function != prog.labels.end()) return {afterPrologue(prog, function->second)};
  auto label = prog.labels.find(where);
  if (label != prog.labels.end()) return {label->second};
  std::string digits = where.size() > 2 && (where[1] == 'x' || where[1] == 'X') && where[0] == '0'
                           ? where.substr(2) : where;
  if (std::optional<int> addr = assembly::parseHex(digits, kProgramSize - 1)) {
    if (prog.slots[*addr]) return {*addr};
    error = "program address " + assembly::hex(*addr, 3) + " holds no instruction";
    return {};
  }
  error = "no function, label, C line or program address '" + where + "'";
  return {};
}

}  // namespace tarvelsim
