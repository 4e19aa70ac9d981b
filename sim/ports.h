// The simulated I/O ports: INPUT reads values from a script, OUTPUT appends
// "port value" lines to the output trace and tells a listener (the
// waveform) when it happened.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "clock.h"
#include "machine.h"

namespace tarvelsim {

class ScriptError : public std::runtime_error {
 public:
  ScriptError(int line, const std::string& message)
      : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

// Input script, one entry per line, blank lines and ';' or '#' comments
// allowed:
//   PORT VALUE                      the next value INPUT reads from PORT
//   at N cycles port PORT = VALUE   PORT holds VALUE from cycle N on
//   at 2ms port PORT = VALUE        the same at a time (s, ms, us, ns),
//                                   which needs the clock frequency
// Ports and values are hex bytes. Each port reads its plain values in file
// order, one per INPUT (so the order of reads from different ports does
// not matter); after them it reads the value it holds at that cycle. A
// read with neither is 00 and is reported once per port to `onMissing`.
class ScriptPorts : public Ports {
 public:
  explicit ScriptPorts(std::ostream& trace) : trace_(trace) {}
  // clockHz: the clock frequency, 0 when unknown. Throws ScriptError.
  void loadScript(const std::string& text, double clockHz = 0);
  uint8_t input(uint8_t port) override;
  void output(uint8_t port, uint8_t value) override;

  // Appended to every output line when set (the time stamp).
  std::function<std::string(uint64_t cycle)> stamp;
  std::function<void(uint64_t cycle, uint8_t port, uint8_t value)> onOutput;
  std::function<void(uint8_t port)> onMissing;

 private:
  struct Change {
    uint64_t cycle;
    uint8_t value;
  };
  void readTimedLine(const std::vector<std::string>& words, int line, double clockHz);

  std::map<uint8_t, std::deque<uint8_t>> inputs_;
  std::map<uint8_t, std::vector<Change>> held_;  // per port, by cycle
  std::map<uint8_t, bool> reported_;
  std::ostream& trace_;
};

}  // namespace tarvelsim
