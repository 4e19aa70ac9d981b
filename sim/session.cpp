// The run loop under control. After every instruction it checks, in this
// order: the end, a fault or a limit; the watched variables; the stepping
// mode; and before the next instruction the breakpoints.
#include "session.h"

#include "asm/text.h"
#include "clock.h"
#include "location.h"
#include "report.h"

namespace tarvelsim {

bool Session::addWatch(const std::string& expr, std::string& error) {
  if (expr.find('*') != std::string::npos) {
    error = "a watch needs a fixed address: watch a global or an element, not '" + expr + "'";
    return false;
  }
  std::vector<Cell> cells = cellsOf(prog_, m_, expr, error);
  for (const Cell& c : cells) watches.push_back({c, readCell(m_, c)});
  return !cells.empty();
}

bool Session::atBreakpoint(int& which) const {
  for (size_t i = 0; i < breakpoints.size(); ++i)
    for (int a : breakpoints[i].addresses)
      if (a == m_.pc) {
        which = static_cast<int>(i);
        return true;
      }
  return false;
}

bool Session::watchesDiffer() const {
  for (const Watch& w : watches)
    if (readCell(m_, w.cell) != w.value) return true;
  return false;
}

void Session::takeChanges(std::vector<std::string>& changes) {
  for (Watch& w : watches) {
    long now = readCell(m_, w.cell);
    if (now == w.value) continue;
    changes.push_back(w.cell.name + ": " + std::to_string(w.value) + " -> " + std::to_string(now));
    w.value = now;
  }
}

// Line and Over stop at the first instruction of another C line, or of the
// same line in another call (recursion, or back in the caller); Over does
// not stop in anything called from here.
bool Session::lineReached(Mode mode, const CLine& startLine, size_t startDepth) const {
  const auto& slot = prog_.slots[m_.pc];
  if (!slot || !slot->cLine.known()) return false;
  size_t depth = m_.callStack.size();
  if (mode == Mode::Over && depth > startDepth) return false;
  return slot->cLine != startLine || depth != startDepth;
}

Stop Session::resume(Mode mode) {
  Stop stop;
  if (finished_) return stop;  // Ended with Status::Running: nothing left to run
  const auto& startSlot = prog_.slots[m_.pc];
  CLine startLine = startSlot ? startSlot->cLine : CLine{};
  size_t startDepth = m_.callStack.size();
  for (bool first = true;; first = false) {
    // A breakpoint stops before its instruction runs, except the one the
    // run resumes from.
    if (!first && stop.changedAt < 0 && atBreakpoint(stop.breakpoint)) {
      stop.kind = Stop::Break;
      return stop;
    }
    int at = m_.pc;
    Status s = m_.limitReached(opts_);
    if (s == Status::Running) s = m_.tick(opts_);
    if (s != Status::Running) {
      finished_ = true;
      stop.status = s;
      takeChanges(stop.changes);
      return stop;
    }
    if (stop.changedAt < 0 && watchesDiffer()) stop.changedAt = at;
    if (stop.changedAt >= 0) {
      // A two-byte variable is stored a byte at a time: report it whole.
      const auto& next = prog_.slots[m_.pc];
      if (next && next->op == Op::Store) continue;
      takeChanges(stop.changes);
      stop.kind = Stop::Watched;
      return stop;
    }
    bool done = mode == Mode::Instruction ||
                ((mode == Mode::Line || mode == Mode::Over) && lineReached(mode, startLine, startDepth)) ||
                (mode == Mode::Finish && m_.callStack.size() < startDepth);
    if (done) {
      stop.kind = Stop::Stepped;
      return stop;
    }
  }
}

void Session::describe(std::ostream& out, const Stop& stop, double clockHz) const {
  if (stop.kind == Stop::Break)
    out << "breakpoint " << stop.breakpoint + 1 << " (" << breakpoints[stop.breakpoint].place << ")\n";
  for (const std::string& c : stop.changes)
    out << "watch " << c << ", changed at " << where(prog_, stop.changedAt) << "\n";
  out << functionAt(prog_, m_.pc) << " at " << where(prog_, m_.pc) << ", address "
      << assembly::hex(m_.pc, 3) << ", " << formatCycle(m_.cycles, clockHz) << "\n";
  printRegisters(out, m_);
  out << "Z=" << m_.zero << " C=" << m_.carry << " IE=" << m_.interruptsEnabled
      << " depth=" << m_.callStack.size() << " steps=" << m_.steps << "\n";
  for (const Watch& w : watches) out << w.cell.name << " = " << readCell(m_, w.cell) << "\n";
}

}  // namespace tarvelsim
