#include "machine.h"

#include <cstdio>

namespace tarvelsim {
namespace {

std::string hex(int v, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", digits, v);
  return buf;
}

bool oddParity(uint8_t v) {
  bool odd = false;
  for (; v; v &= static_cast<uint8_t>(v - 1)) odd = !odd;
  return odd;
}

}  // namespace

// A fault belongs to the last instruction that ran (or is running).
Status Machine::fault(const std::string& message) {
  faultLine = lastLine_;
  faultAddress = lastAddress_;
  faultMessage = message;
  return Status::Fault;
}

// Stores an ALU result and sets both flags the way every arithmetic,
// logical and shift instruction does: Z from the 8-bit result, C as given.
void Machine::setResult(uint8_t& reg, unsigned value, bool newCarry) {
  reg = static_cast<uint8_t>(value);
  zero = reg == 0;
  carry = newCarry;
}

bool Machine::conditionHolds(Cond c) const {
  switch (c) {
    case Cond::Always: return true;
    case Cond::Z: return zero;
    case Cond::NZ: return !zero;
    case Cond::C: return carry;
    case Cond::NC: return !carry;
  }
  return false;
}

// The compiler's allocator hands out data memory from address 64 downward,
// so an address at 40 or above can only come from a broken program (or a
// data stack that ran past address 00 and wrapped).
bool Machine::dataAddress(uint8_t addr) {
  if (addr < kDataSize) return true;
  fault("data memory address " + hex(addr, 2) + " is outside 00..3F");
  return false;
}

Status Machine::push(uint16_t addr, bool isInterrupt) {
  if (callStack.size() >= static_cast<size_t>(kStackDepth))
    return fault("call stack overflow (more than 31 return addresses)");
  callStack.push_back(addr);
  interruptFrames.push_back(isInterrupt);
  return Status::Running;
}

void Machine::pop() {
  pc = callStack.back();
  callStack.pop_back();
  interruptFrames.pop_back();
}

void Machine::shift(const Instr& in) {
  uint8_t& x = regs[in.x];
  unsigned v = x;
  bool c = carry;
  switch (in.op) {
    case Op::Sl0: setResult(x, v << 1, v & 0x80); break;
    case Op::Sl1: setResult(x, (v << 1) | 1, v & 0x80); break;
    case Op::Slx: setResult(x, (v << 1) | (v & 1), v & 0x80); break;
    case Op::Sla: setResult(x, (v << 1) | (c ? 1 : 0), v & 0x80); break;
    case Op::Rl: setResult(x, (v << 1) | (v >> 7), v & 0x80); break;
    case Op::Sr0: setResult(x, v >> 1, v & 1); break;
    case Op::Sr1: setResult(x, (v >> 1) | 0x80, v & 1); break;
    case Op::Srx: setResult(x, (v >> 1) | (v & 0x80), v & 1); break;
    case Op::Sra: setResult(x, (v >> 1) | (c ? 0x80 : 0), v & 1); break;
    case Op::Rr: setResult(x, (v >> 1) | ((v & 1) << 7), v & 1); break;
    default: break;
  }
}

Status Machine::branch(const Instr& in, uint16_t next) {
  if (!conditionHolds(in.cond)) {
    pc = next;
    return Status::Running;
  }
  switch (in.op) {
    case Op::Jump:
      // A taken jump to itself is how a program stops for good (the
      // compiler's main_end loop): nothing can change any more.
      if (in.target == pc) return Status::End;
      pc = in.target;
      return Status::Running;
    case Op::Call:
      if (push(next, false) == Status::Fault) return Status::Fault;
      pc = in.target;
      return Status::Running;
    default:  // Return
      if (callStack.empty()) return fault("RETURN with an empty call stack");
      pop();
      return Status::Running;
  }
}

Status Machine::execute(const Instr& in) {
  uint16_t next = static_cast<uint16_t>((pc + 1) % kProgramSize);
  uint8_t& x = regs[in.x];
  const unsigned a = x;
  const unsigned b = in.yIsReg ? regs[in.y] : in.y;
  const unsigned c = carry ? 1 : 0;
  switch (in.op) {
    case Op::Load: x = static_cast<uint8_t>(b); break;
    case Op::And: setResult(x, a & b, false); break;
    case Op::Or: setResult(x, a | b, false); break;
    case Op::Xor: setResult(x, a ^ b, false); break;
    case Op::Add: setResult(x, a + b, a + b > 0xFF); break;
    case Op::AddCy: setResult(x, a + b + c, a + b + c > 0xFF); break;
    case Op::Sub: setResult(x, a - b, b > a); break;
    case Op::SubCy: setResult(x, a - b - c, b + c > a); break;
    case Op::Compare: {
      uint8_t scratch = 0;
      setResult(scratch, a - b, b > a);
      break;
    }
    case Op::Test: {
      uint8_t temp = static_cast<uint8_t>(a & b);
      zero = temp == 0;
      carry = oddParity(temp);
      break;
    }
    case Op::Fetch:
      if (!dataAddress(static_cast<uint8_t>(b))) return Status::Fault;
      x = mem[b];
      break;
    case Op::Store:
      if (!dataAddress(static_cast<uint8_t>(b))) return Status::Fault;
      mem[b] = x;
      break;
    case Op::Input: x = ports_.input(static_cast<uint8_t>(b)); break;
    case Op::Output: ports_.output(static_cast<uint8_t>(b), x); break;
    case Op::Jump:
    case Op::Call:
    case Op::Return:
      return branch(in, next);
    case Op::ReturnI:
      if (callStack.empty()) return fault("RETURNI with an empty call stack");
      pop();
      zero = savedZero_;
      carry = savedCarry_;
      interruptsEnabled = in.enable;
      return Status::Running;
    case Op::EnableInterrupt: interruptsEnabled = true; break;
    case Op::DisableInterrupt: interruptsEnabled = false; break;
    default: shift(in); break;
  }
  pc = next;
  return Status::Running;
}

Status Machine::step() {
  const std::optional<Instr>& slot = prog_.slots[pc];
  if (!slot) return fault("no instruction at program address " + hex(pc, 3));
  lastLine_ = slot->line;
  lastAddress_ = pc;
  ports_.cycle = cycles;
  ++steps;
  cycles += kCyclesPerInstruction;
  return execute(*slot);
}

Status Machine::interrupt() {
  if (push(pc, true) == Status::Fault) return Status::Fault;
  cycles += kCyclesPerInstruction;
  savedZero_ = zero;
  savedCarry_ = carry;
  interruptsEnabled = false;
  pc = kInterruptVector;
  return Status::Running;
}

// Requests fall due at every multiple of irqEvery cycles and at each irqAt
// cycle; they wait in irqPending (several merge into one) until taken.
void Machine::collectRequests(const RunOptions& opts) {
  if (opts.irqEvery) {
    if (nextIrq_ == 0) nextIrq_ = opts.irqEvery;
    if (cycles >= nextIrq_) {
      irqPending = true;
      nextIrq_ = (cycles / opts.irqEvery + 1) * opts.irqEvery;
    }
  }
  for (; nextIrqAt_ < opts.irqAt.size() && opts.irqAt[nextIrqAt_] <= cycles; ++nextIrqAt_)
    irqPending = true;
}

bool Machine::moreRequests(const RunOptions& opts) const {
  return irqPending || opts.irqEvery || nextIrqAt_ < opts.irqAt.size();
}

Status Machine::tick(const RunOptions& opts) {
  collectRequests(opts);
  if (irqPending && interruptsEnabled) {
    irqPending = false;
    if (opts.onInterrupt) opts.onInterrupt(pc);
    return interrupt();
  }
  uint16_t at = pc;
  Status s = step();
  if (s == Status::Fault) return s;
  if (opts.onStep) opts.onStep(at, *prog_.slots[at]);
  // An idle loop with interrupts on is firmware waiting for its interrupt
  // handler, not the end of the program.
  if (s == Status::End && interruptsEnabled && moreRequests(opts)) return Status::Running;
  return s;
}

Status Machine::limitReached(const RunOptions& opts) const {
  if (steps >= opts.maxSteps) return Status::StepLimit;
  if (opts.maxCycles && cycles >= opts.maxCycles) return Status::CycleLimit;
  return Status::Running;
}

Status Machine::run(const RunOptions& opts) {
  while (true) {
    Status s = limitReached(opts);
    if (s == Status::Running) s = tick(opts);
    if (s != Status::Running) return s;
  }
}

}  // namespace tarvelsim
