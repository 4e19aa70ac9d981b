// A waveform of the run in Value Change Dump form, which waveform viewers
// and HDL tools read: the output ports (each from its first OUTPUT on),
// chosen globals and the interrupt request line. Changes are collected
// during the run and the file is written whole at the end, since the
// header must name every signal before the first change.
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "variables.h"

namespace tarvelsim {

class Waveform {
 public:
  // clockHz 0: the time axis counts cycles as nanoseconds.
  explicit Waveform(double clockHz) : clockHz_(clockHz) {}

  // Before the run: a global to record, with its value at the start.
  void addGlobal(const Cell& cell, long initial);
  void addInterruptLine();

  // During the run, each at the cycle the instruction began.
  void output(uint64_t cycle, uint8_t port, uint8_t value);
  void stored(uint64_t cycle, const Machine& m);            // after a STORE
  void interruptPending(uint64_t cycle, bool pending);

  // The whole dump up to endCycle.
  void write(std::ostream& out, uint64_t endCycle) const;

 private:
  struct Signal {
    std::string name;
    int width;
    std::string initial;   // VCD value text at time 0
  };
  struct Change {
    uint64_t cycle;
    int signal;
    unsigned long value;
  };
  int addSignal(const std::string& name, int width, const std::string& initial);
  std::string valueText(int signal, unsigned long value) const;
  uint64_t timeOf(uint64_t cycle) const;

  double clockHz_;
  std::vector<Signal> signals_;
  std::vector<Change> changes_;
  std::map<uint8_t, int> ports_;
  std::vector<std::pair<Cell, int>> globals_;  // cell, signal
  std::vector<unsigned long> lastGlobal_;
  int irqSignal_ = -1;
  bool irqHigh_ = false;
};

}  // namespace tarvelsim
