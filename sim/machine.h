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

// Every instruction takes two clock cycles; so does taking an interrupt,
// which is a CALL to the vector in place of the next instruction.
constexpr uint64_t kCyclesPerInstruction = 2;

// Where INPUT reads from and OUTPUT writes to. `cycle` is kept by the
// machine: the cycle at which the current instruction began.
class Ports {
 public:
  virtual ~Ports() = default;
  uint64_t cycle = 0;
  virtual uint8_t input(uint8_t port) = 0;
  virtual void output(uint8_t port, uint8_t value) = 0;
};

enum class Status { Running, End, Fault, StepLimit, CycleLimit };

struct RunOptions {
  uint64_t maxSteps = 10000000;
  uint64_t maxCycles = 0;  // 0: no cycle limit
  // Interrupt requests: one every irqEvery cycles (0: none), counted
  // whether or not interrupts are enabled, and one at each cycle of irqAt
  // (in increasing order).
  uint64_t irqEvery = 0;
  std::vector<uint64_t> irqAt;
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
  // One instruction boundary: takes a pending interrupt when interrupts are
  // enabled, else executes one instruction. End only when nothing can
  // change any more (see run).
  Status tick(const RunOptions& opts);
  // Ticks until the end (a jump to itself, unless interrupts are enabled
  // and more requests can come), a fault or a limit.
  Status run(const RunOptions& opts);
  // The step or cycle limit when one is reached, else Running.
  Status limitReached(const RunOptions& opts) const;

  std::array<uint8_t, kRegisterCount> regs{};
  std::array<uint8_t, kDataSize> mem{};
  bool zero = false;
  bool carry = false;
  bool interruptsEnabled = false;
  uint16_t pc = 0;
  std::vector<uint16_t> callStack;
  std::vector<bool> interruptFrames;  // per callStack entry: pushed by an interrupt
  uint64_t steps = 0;
  uint64_t cycles = 0;
  bool irqPending = false;  // a request waits for interrupts to be enabled

  // Set when step() or interrupt() reports a fault.
  int faultLine = 0;  // source line of the faulting instruction, 0 if none
  int faultAddress = -1;  // its program address, -1 if none
  std::string faultMessage;

 private:
  Status fault(const std::string& message);
  Status execute(const Instr& in);
  Status branch(const Instr& in, uint16_t next);
  bool conditionHolds(Cond c) const;
  bool dataAddress(uint8_t addr);
  Status push(uint16_t addr, bool isInterrupt);
  void pop();
  void collectRequests(const RunOptions& opts);
  bool moreRequests(const RunOptions& opts) const;
  void setResult(uint8_t& reg, unsigned value, bool newCarry);
  void shift(const Instr& in);

  const Program& prog_;
  Ports& ports_;
  int lastLine_ = 0;      // the last instruction that ran, for faults
  int lastAddress_ = -1;
  uint64_t nextIrq_ = 0;  // cycle of the next periodic request
  size_t nextIrqAt_ = 0;  // index of the next one-shot request
  bool savedZero_ = false;
  bool savedCarry_ = false;
};

}  // namespace tarvelsim
