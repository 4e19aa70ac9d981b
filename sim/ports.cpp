#include "ports.h"

#include <cstdio>

#include "asm/text.h"

namespace tarvelsim {

using assembly::parseHex;
using assembly::splitLines;
using assembly::splitWords;

void ScriptPorts::loadScript(const std::string& text) {
  std::vector<std::string> lines = splitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i].substr(0, lines[i].find_first_of(";#"));
    std::vector<std::string> words = splitWords(line);
    if (words.empty()) continue;
    std::optional<int> port = words.size() == 2 ? parseHex(words[0], 0xFF) : std::nullopt;
    std::optional<int> value = words.size() == 2 ? parseHex(words[1], 0xFF) : std::nullopt;
    if (!port || !value)
      throw ScriptError(static_cast<int>(i) + 1, "expected \"port value\" as two hex bytes");
    inputs_[static_cast<uint8_t>(*port)].push_back(static_cast<uint8_t>(*value));
  }
}

uint8_t ScriptPorts::input(uint8_t port) {
  std::deque<uint8_t>& q = inputs_[port];
  if (q.empty()) return 0;
  uint8_t v = q.front();
  q.pop_front();
  return v;
}

void ScriptPorts::output(uint8_t port, uint8_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02X %02X\n", port, value);
  trace_ << buf;
}

}  // namespace tarvelsim
