// Each command is one line: a word and its argument. The prompt itself is
// printed before every command in the fixed form "(tarvelsim) ", without a
// line feed, so that a transcript reads the same whoever typed it.
#include "prompt.h"

#include <sstream>

#include "asm/text.h"
#include "location.h"
#include "report.h"
#include "variables.h"

namespace tarvelsim {
namespace {

const char* kHelp =
    "step, s          run to the next C line (into calls)\n"
    "next, n          run to the next C line in this function\n"
    "stepi, si        run one instruction\n"
    "finish           run until this function returns\n"
    "continue, c      run until a breakpoint, a watch or the end\n"
    "break WHERE, b   stop at a C line (file.c:12), function, label or hex address\n"
    "delete N         remove breakpoint N\n"
    "watch NAME       stop when a global (or buf[3]) changes\n"
    "print NAME, p    a global, an array, buf[3] or *p\n"
    "regs             registers and flags\n"
    "mem              data memory\n"
    "backtrace, bt    the calls that led here\n"
    "where            where the program stands\n"
    "quit, q          leave\n";

struct Prompt {
  PromptContext& ctx;
  std::ostream& out;
  int status = 0;

  void run(Mode mode) {
    Stop stop = ctx.session.resume(mode);
    if (stop.kind == Stop::Ended) {
      if (stop.status == Status::Running) {
        out << "the program is not running any more\n";
        return;
      }
      for (const std::string& c : stop.changes) out << "watch " << c << "\n";
      status = ctx.reportEnd(stop.status);
      if (stop.status == Status::End) out << "the program ended\n";
      else out << "the program stopped (status " << status << ")\n";
    }
    ctx.session.describe(out, stop, ctx.clockHz);
  }

  void addBreak(const std::string& place) {
    std::string error;
    std::vector<int> addrs = breakAddresses(ctx.prog, place, error);
    if (addrs.empty()) {
      out << "error: " << error << "\n";
      return;
    }
    ctx.session.breakpoints.push_back({place, addrs});
    out << "breakpoint " << ctx.session.breakpoints.size() << " at "
        << where(ctx.prog, addrs.front()) << ", address " << assembly::hex(addrs.front(), 3) << "\n";
  }

  void remove(const std::string& number) {
    auto& bps = ctx.session.breakpoints;
    std::optional<int> n = number.size() < 6 && number.find_first_not_of("0123456789") == std::string::npos && !number.empty()
                               ? std::optional<int>(std::stoi(number)) : std::nullopt;
    if (!n || *n < 1 || *n > static_cast<int>(bps.size()) || bps[*n - 1].addresses.empty()) {
      out << "error: no breakpoint '" << number << "'\n";
      return;
    }
    bps[*n - 1].addresses.clear();  // numbers of the others stay as they were
  }

  void watch(const std::string& expr) {
    std::string error;
    if (!ctx.session.addWatch(expr, error)) out << "error: " << error << "\n";
    else out << "watching " << expr << "\n";
  }

  void print(const std::string& expr) {
    std::string error;
    std::vector<Cell> cells = cellsOf(ctx.prog, ctx.m, expr, error);
    if (cells.empty()) {
      out << "error: " << error << "\n";
      return;
    }
    if (cells.size() == 1) {
      out << cells[0].name << " = " << readCell(ctx.m, cells[0]) << "\n";
      return;
    }
    out << assembly::trim(expr) << " = {";
    for (size_t i = 0; i < cells.size(); ++i) out << (i ? ", " : "") << readCell(ctx.m, cells[i]);
    out << "}\n";
  }

  // Frame 0 is where the program stands; each return address on the call
  // stack adds the call (or, for an interrupt, the interrupted instruction)
  // that put it there.
  void backtrace() {
    const Machine& m = ctx.m;
    frame(0, m.pc, "");
    for (size_t i = m.callStack.size(); i-- > 0;) {
      bool interrupted = m.interruptFrames[i];
      int addr = interrupted ? m.callStack[i] : (m.callStack[i] + kProgramSize - 1) % kProgramSize;
      frame(m.callStack.size() - i, addr, interrupted ? " (interrupted)" : "");
    }
  }

  void frame(size_t n, int addr, const char* note) {
    out << "#" << n << "  " << functionAt(ctx.prog, addr) << " at " << where(ctx.prog, addr)
        << ", address " << assembly::hex(addr, 3) << note << "\n";
  }

  // Returns false on quit.
  bool command(const std::string& line) {
    std::istringstream words(line);
    std::string cmd, arg;
    words >> cmd;
    std::getline(words, arg);
    arg = assembly::trim(arg);
    if (cmd.empty()) return true;
    bool needsArgument = cmd == "break" || cmd == "b" || cmd == "delete" || cmd == "watch" ||
                         cmd == "print" || cmd == "p";
    if (needsArgument && arg.empty()) {
      out << "error: " << cmd << " needs an argument (help lists the commands)\n";
      return true;
    }
    if (cmd == "quit" || cmd == "q") return false;
    if (cmd == "step" || cmd == "s") run(Mode::Line);
    else if (cmd == "next" || cmd == "n") run(Mode::Over);
    else if (cmd == "stepi" || cmd == "si") run(Mode::Instruction);
    else if (cmd == "finish") run(Mode::Finish);
    else if (cmd == "continue" || cmd == "c") run(Mode::Continue);
    else if ((cmd == "break" || cmd == "b")) addBreak(arg);
    else if (cmd == "delete") remove(arg);
    else if (cmd == "watch") watch(arg);
    else if ((cmd == "print" || cmd == "p")) print(arg);
    else if (cmd == "regs") {
      printRegisters(out, ctx.m);
      out << "pc=" << assembly::hex(ctx.m.pc, 3) << " Z=" << ctx.m.zero << " C=" << ctx.m.carry
          << " IE=" << ctx.m.interruptsEnabled << "\n";
    } else if (cmd == "mem") printMemory(out, ctx.m);
    else if (cmd == "backtrace" || cmd == "bt") backtrace();
    else if (cmd == "where") ctx.session.describe(out, Stop(), ctx.clockHz);
    else if (cmd == "help" || cmd == "h") out << kHelp;
    else out << "error: unknown command '" << line << "' (help lists the commands)\n";
    return true;
  }
};

}  // namespace

int runPrompt(PromptContext& ctx, std::istream& in, std::ostream& out) {
  Prompt p{ctx, out};
  std::string line;
  while (true) {
    out << "(tarvelsim) " << std::flush;
    if (!std::getline(in, line)) break;
    if (!p.command(assembly::trim(line))) break;
  }
  out << "\n";
  return p.status;
}

}  // namespace tarvelsim
