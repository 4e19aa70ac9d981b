// The processor: registers, flags, data memory, the internal call stack and
// the interrupt logic, executing a Program one instruction at a time.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "program.h"

namespace tarvelsim {

// Where INPUT reads from and OUTPUT writes to.
class Ports {
 public:
  virtual ~Ports() = default;
  virtual uint8_t input(uint8_t port) = 0;
  virtual void output(uint8_t port, uint8_t value) = 0;
};

enum class Status { Running, End, Fault, StepLimit };

struct RunOptions {
  uint64_t maxSteps = 10000000;
  uint64_t irqEvery = 0;  // 0: no interrupt requests
  // Called after each executed instruction with its address.
  std::function<void(uint16_t pc, const Instr&)> onStep;
  // Called when an interrupt is taken, with the address it will return to.
  std::function<void(uint16_t returnPc)> onInterrupt;
};

class Machine {
 public:
  Machine(const Program& prog, Ports& ports) : prog_(prog), ports_(ports) {}

  // Executes one instruction. Running means the program can go on.
  Status step();
  // Enters the interrupt: return address onto the call stack, flags saved,
  // interrupts disabled, execution continues at the vector 3FF.
  Status interrupt();
  // Steps until the end (a jump to itself, unless interrupts are enabled
  // and requested), a fault or the step limit.
  Status run(const RunOptions& opts);

  std::array<uint8_t, kRegisterCount> regs{};
  std::array<uint8_t, kDataSize> mem{};
  bool zero = false;
  bool carry = false;
  bool interruptsEnabled = false;
  uint16_t pc = 0;
  std::vector<uint16_t> callStack;
  uint64_t steps = 0;

  // Set when step() or interrupt() reports a fault.
  int faultLine = 0;  // source line of the faulting instruction, 0 if none
  std::string faultMessage;

 private:
  Status fault(int line, const std::string& message);
  Status execute(const Instr& in);
  Status branch(const Instr& in, uint16_t next);
  bool conditionHolds(Cond c) const;
  bool dataAddress(const Instr& in, uint8_t addr);
  Status push(uint16_t addr, int line);
  void setResult(uint8_t& reg, unsigned value, bool newCarry);
  void shift(const Instr& in);

  const Program& prog_;
  Ports& ports_;
  int lastLine_ = 0;
  bool savedZero_ = false;
  bool savedCarry_ = false;
};

}  // namespace tarvelsim
