#include "vcd.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace tarvelsim {
namespace {

// VCD identifier codes: printable characters '!'..'~', base 94.
std::string codeOf(int index) {
  std::string code;
  do {
    code += static_cast<char>('!' + index % 94);
    index /= 94;
  } while (index > 0);
  return code;
}

std::string binary(unsigned long value, int width) {
  std::string bits;
  for (int b = width - 1; b >= 0; --b) bits += (value >> b) & 1 ? '1' : '0';
  return bits;
}

// A signal name as every tool accepts it: "buf[3]" becomes "buf_3".
std::string plainName(std::string name) {
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

}  // namespace

int Waveform::addSignal(const std::string& name, int width, const std::string& initial) {
  signals_.push_back({name, width, initial});
  return static_cast<int>(signals_.size()) - 1;
}

void Waveform::addGlobal(const Cell& cell, long initial) {
  unsigned long bits = static_cast<unsigned long>(initial) & ((1ul << (8 * cell.size)) - 1);
  int signal = addSignal(plainName(cell.name), 8 * cell.size, "b" + binary(bits, 8 * cell.size) + " ");
  globals_.push_back({cell, signal});
  lastGlobal_.push_back(bits);
}

void Waveform::addInterruptLine() { irqSignal_ = addSignal("irq", 1, "0"); }

void Waveform::output(uint64_t cycle, uint8_t port, uint8_t value) {
  auto known = ports_.find(port);
  if (known == ports_.end()) {
    char name[16];
    std::snprintf(name, sizeof name, "port_%02X", port);
    known = ports_.emplace(port, addSignal(name, 8, "bxxxxxxxx ")).first;
  }
  changes_.push_back({cycle, known->second, value});
}

void Waveform::stored(uint64_t cycle, const Machine& m) {
  for (size_t i = 0; i < globals_.size(); ++i) {
    const Cell& c = globals_[i].first;
    unsigned long bits = m.mem[c.addr] | (c.size == 2 ? m.mem[c.addr + 1] << 8 : 0);
    if (bits == lastGlobal_[i]) continue;
    lastGlobal_[i] = bits;
    changes_.push_back({cycle, globals_[i].second, bits});
  }
}

void Waveform::interruptPending(uint64_t cycle, bool pending) {
  if (irqSignal_ < 0 || pending == irqHigh_) return;
  irqHigh_ = pending;
  changes_.push_back({cycle, irqSignal_, pending ? 1ul : 0ul});
}

std::string Waveform::valueText(int signal, unsigned long value) const {
  const Signal& s = signals_[signal];
  if (s.width == 1) return (value ? "1" : "0") + codeOf(signal);
  return "b" + binary(value, s.width) + " " + codeOf(signal);
}

// With a clock, picoseconds, rounded: the time of a cycle is exact for any
// clock whose period is a whole number of picoseconds.
uint64_t Waveform::timeOf(uint64_t cycle) const {
  if (clockHz_ <= 0) return cycle;
  return static_cast<uint64_t>(std::llround(static_cast<long double>(cycle) * 1e12L / clockHz_));
}

void Waveform::write(std::ostream& out, uint64_t endCycle) const {
  out << "$version tarvelsim $end\n"
      << (clockHz_ > 0 ? "$timescale 1ps $end\n" : "$timescale 1ns $end\n")
      << "$scope module tarvel $end\n";
  for (size_t i = 0; i < signals_.size(); ++i) {
    const Signal& s = signals_[i];
    out << "$var wire " << s.width << " " << codeOf(static_cast<int>(i)) << " " << s.name;
    if (s.width > 1) out << " [" << s.width - 1 << ":0]";
    out << " $end\n";
  }
  out << "$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n";
  for (size_t i = 0; i < signals_.size(); ++i) out << signals_[i].initial << codeOf(static_cast<int>(i)) << "\n";
  out << "$end\n";
  uint64_t shown = 0;
  for (const Change& c : changes_) {
    uint64_t t = timeOf(c.cycle);
    if (t != shown) out << "#" << t << "\n";
    shown = t;
    out << valueText(c.signal, c.value) << "\n";
  }
  if (timeOf(endCycle) > shown) out << "#" << timeOf(endCycle) << "\n";
}

}  // namespace tarvelsim
