#include "sourcemap.h"

#include <map>
#include <optional>

#include "text.h"

namespace assembly {
namespace {

// "FILE:LINE" of a ";@" comment line, nothing for any other line.
std::optional<std::pair<std::string, int>> markOf(const std::string& raw) {
  std::string line = trim(raw);
  if (line.compare(0, 2, ";@") != 0) return std::nullopt;
  std::string rest = trim(line.substr(2));
  size_t colon = rest.rfind(':');
  if (colon == std::string::npos || colon == 0) return std::nullopt;
  std::string digits = rest.substr(colon + 1);
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  return std::make_pair(rest.substr(0, colon), std::stoi(digits));
}

// The last word of a function: after it the next function's prologue or a
// runtime routine follows, which no C line wrote.
bool endsFunction(uint32_t word) {
  std::optional<Instruction> in = decode(word);
  if (!in) return false;
  return (in->op == Op::Return && in->cond == Cond::Always) || in->op == Op::ReturnI;
}

}  // namespace

CLine SourceMap::at(int textLine) const {
  if (textLine < 1 || textLine > static_cast<int>(byLine.size())) return {};
  return byLine[textLine - 1];
}

std::string SourceMap::name(const CLine& c) const {
  if (!c.known()) return "";
  return files[c.file] + ":" + std::to_string(c.line);
}

SourceMap readSourceMap(const Assembly& program) {
  SourceMap map;
  size_t n = program.lines.size();
  std::vector<bool> lastOfFunction(n + 1, false);
  for (const Record& r : program.records)
    if (r.line >= 1 && static_cast<size_t>(r.line) <= n && endsFunction(r.word))
      lastOfFunction[r.line] = true;

  map.byLine.resize(n);
  std::map<std::string, int> fileIndex;
  CLine current;
  for (size_t i = 0; i < n; ++i) {
    if (auto mark = markOf(program.lines[i])) {
      auto known = fileIndex.emplace(mark->first, static_cast<int>(map.files.size()));
      if (known.second) map.files.push_back(mark->first);
      current = CLine{known.first->second, mark->second};
    }
    map.byLine[i] = current;
    if (lastOfFunction[i + 1]) current = CLine{};
  }
  return map;
}

}  // namespace assembly
