// The simulated I/O ports: INPUT reads values from a script, OUTPUT appends
// "port value" lines to the output trace.
#pragma once

#include <deque>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>

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

// Input script: one "port value" pair of hex numbers per line, blank lines
// and ';' or '#' comments allowed. Each port has its own queue in file order,
// so the order of reads from different ports does not matter; a port whose
// values are used up reads 0.
class ScriptPorts : public Ports {
 public:
  explicit ScriptPorts(std::ostream& trace) : trace_(trace) {}
  void loadScript(const std::string& text);  // throws ScriptError
  uint8_t input(uint8_t port) override;
  void output(uint8_t port, uint8_t value) override;

 private:
  std::map<uint8_t, std::deque<uint8_t>> inputs_;
  std::ostream& trace_;
};

}  // namespace tarvelsim
