#include "ports.h"

#include <algorithm>
#include <cstdio>

#include "asm/text.h"

namespace tarvelsim {

using assembly::parseHex;
using assembly::splitLines;
using assembly::splitWords;

// "at TIME port PORT = VALUE", TIME as "N cycles", "N ms" or "Nms".
void ScriptPorts::readTimedLine(const std::vector<std::string>& words, int line, double clockHz) {
  const char* shape = "expected \"at TIME port PORT = VALUE\" (PORT and VALUE hex bytes)";
  size_t timeWords = words.size() >= 2 && words[1].find_first_not_of("0123456789.") == std::string::npos ? 2 : 1;
  if (words.size() != 4 + timeWords + 1 || words[1 + timeWords] != "port" || words[3 + timeWords] != "=")
    throw ScriptError(line, shape);
  uint64_t cycle = 0;
  try {
    cycle = parseTime(words[1], timeWords == 2 ? words[2] : "", clockHz);
  } catch (const std::invalid_argument& e) {
    throw ScriptError(line, e.what());
  }
  std::optional<int> port = parseHex(words[2 + timeWords], 0xFF);
  std::optional<int> value = parseHex(words[4 + timeWords], 0xFF);
  if (!port || !value) throw ScriptError(line, shape);
  held_[static_cast<uint8_t>(*port)].push_back({cycle, static_cast<uint8_t>(*value)});
}

void ScriptPorts::loadScript(const std::string& text, double clockHz) {
  std::vector<std::string> lines = splitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i].substr(0, lines[i].find_first_of(";#"));
    // "=" may touch its neighbours: "port 01=3A".
    for (size_t eq = line.find('='); eq != std::string::npos; eq = line.find('=', eq + 3))
      line.replace(eq, 1, " = ");
    std::vector<std::string> words = splitWords(line);
    int lineNo = static_cast<int>(i) + 1;
    if (words.empty()) continue;
    if (words[0] == "at") {
      readTimedLine(words, lineNo, clockHz);
      continue;
    }
    std::optional<int> port = words.size() == 2 ? parseHex(words[0], 0xFF) : std::nullopt;
    std::optional<int> value = words.size() == 2 ? parseHex(words[1], 0xFF) : std::nullopt;
    if (!port || !value)
      throw ScriptError(lineNo, "expected \"port value\" as two hex bytes, or \"at TIME port PORT = VALUE\"");
    inputs_[static_cast<uint8_t>(*port)].push_back(static_cast<uint8_t>(*value));
  }
  // Lines may come in any order; a later line wins at the same cycle.
  for (auto& entry : held_)
    std::stable_sort(entry.second.begin(), entry.second.end(),
                     [](const Change& a, const Change& b) { return a.cycle < b.cycle; });
}

uint8_t ScriptPorts::input(uint8_t port) {
  auto queued = inputs_.find(port);
  if (queued != inputs_.end() && !queued->second.empty()) {
    uint8_t v = queued->second.front();
    queued->second.pop_front();
    return v;
  }
  auto held = held_.find(port);
  if (held != held_.end()) {
    const std::vector<Change>& changes = held->second;
    auto after = std::upper_bound(changes.begin(), changes.end(), cycle,
                                  [](uint64_t c, const Change& ch) { return c < ch.cycle; });
    if (after != changes.begin()) return std::prev(after)->value;
  }
  if (!reported_[port] && onMissing) onMissing(port);
  reported_[port] = true;
  return 0;
}

void ScriptPorts::output(uint8_t port, uint8_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02X %02X", port, value);
  trace_ << buf << (stamp ? stamp(cycle) : "") << "\n";
  if (onOutput) onOutput(cycle, port, value);
}

}  // namespace tarvelsim
