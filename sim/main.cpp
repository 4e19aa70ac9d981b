// tarvelsim: runs a Tarvel program and reports how it ended; with
// breakpoints, watches or the interactive prompt it is the bench firmware
// is brought up on.
//
// The program is assembly text, a word image when its name ends in .hex or
// .mem, or C source (.c), compiled here as `tarvel -g` compiles it.
//
// Exit status: 0 the program reached a jump to itself (its normal end),
// 1 the program, the input script or the waveform could not be read,
// built or written, 2 bad command line, 3 run-time fault, 4 step or cycle
// limit reached, 5 stopped at a breakpoint or a watch.
#include <cstdio>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "asm/text.h"
#include "clock.h"
#include "csource.h"
#include "location.h"
#include "machine.h"
#include "ports.h"
#include "program.h"
#include "prompt.h"
#include "report.h"
#include "session.h"
#include "vcd.h"

using namespace tarvelsim;

namespace {

struct Options {
  RunOptions run;
  bool trace = false;
  bool dump = false;
  bool stamps = false;
  bool interactive = false;
  bool vcdIrq = false;
  double clockHz = 0;
  std::string inputScript;
  std::string vcdFile;
  std::string program;
  std::vector<std::string> breaks, watches, vcdGlobals;
  std::string irqEvery;
  std::vector<std::string> irqAt;
};

const char* kUsage =
    " [options] program.psm|.c|.hex|.mem|-\n"
    "  --steps N         stop after N instructions (default 10000000)\n"
    "  --cycles N        stop after N clock cycles (two per instruction)\n"
    "  --clock F         clock frequency (50MHz, 32768Hz): times beside cycle counts\n"
    "  --trace           one line per instruction\n"
    "  --dump            registers, memory and globals at the end\n"
    "  --in FILE         input script: \"PORT VALUE\" or \"at TIME port PORT = VALUE\" lines\n"
    "  --stamps          stamp every output line with its cycle (and time)\n"
    "  --irq-every N     an interrupt request every N cycles (or a time: 1ms)\n"
    "  --irq-at T        one interrupt request at cycle (or time) T; repeatable\n"
    "  --vcd FILE        write the output ports as a waveform (VCD)\n"
    "  --vcd-global NAME also record a global in the waveform; repeatable\n"
    "  --vcd-irq         also record the interrupt request line\n"
    "  --break WHERE     stop at file.c:LINE, a function, a label or a hex address\n"
    "  --watch NAME      stop when a global (or buf[3]) changes\n"
    "  --interactive     commands from standard input (help lists them)\n"
    "  (program \"-\" reads assembly text from standard input)\n";

[[noreturn]] void usage(const char* self) {
  std::cerr << "use: " << self << kUsage;
  std::exit(2);
}

[[noreturn]] void badArgument(const std::string& message) {
  std::cerr << "tarvelsim: " << message << "\n";
  std::exit(2);
}

uint64_t number(const char* self, const char* text) {
  char* end = nullptr;
  unsigned long long v = std::strtoull(text, &end, 10);
  if (!*text || *end || *text == '-') usage(self);
  return v;
}

// A cycle count, or a time when the clock is known.
uint64_t cyclesArg(const std::string& option, const std::string& text, double clockHz) {
  if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos && text.size() < 19)
    return std::stoull(text);
  try {
    return parseTime(text, "", clockHz);
  } catch (const std::invalid_argument& e) {
    badArgument(option + " " + text + ": " + e.what());
  }
}

Options parseArgs(int argc, char** argv) {
  Options o;
  bool haveProgram = false;
  std::string clock;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == "--trace") o.trace = true;
    else if (a == "--dump") o.dump = true;
    else if (a == "--stamps") o.stamps = true;
    else if (a == "--interactive") o.interactive = true;
    else if (a == "--vcd-irq") o.vcdIrq = true;
    else if (a == "--steps" && hasValue) o.run.maxSteps = number(argv[0], argv[++i]);
    else if (a == "--cycles" && hasValue) o.run.maxCycles = number(argv[0], argv[++i]);
    else if (a == "--clock" && hasValue) clock = argv[++i];
    else if (a == "--irq-every" && hasValue) o.irqEvery = argv[++i];
    else if (a == "--irq-at" && hasValue) o.irqAt.push_back(argv[++i]);
    else if (a == "--in" && hasValue) o.inputScript = argv[++i];
    else if (a == "--vcd" && hasValue) o.vcdFile = argv[++i];
    else if (a == "--vcd-global" && hasValue) o.vcdGlobals.push_back(argv[++i]);
    else if (a == "--break" && hasValue) o.breaks.push_back(argv[++i]);
    else if (a == "--watch" && hasValue) o.watches.push_back(argv[++i]);
    else if ((a == "-" || a[0] != '-') && !haveProgram) {
      o.program = a;
      haveProgram = true;
    } else {
      usage(argv[0]);
    }
  }
  if (!haveProgram) usage(argv[0]);
  if (o.interactive && o.program == "-")
    badArgument("--interactive reads its commands from standard input: give the program as a file");
  if (!clock.empty() && (o.clockHz = parseFrequency(clock)) == 0)
    badArgument("--clock " + clock + ": expected a frequency such as 50MHz, 100kHz or 32768Hz");
  if (!o.irqEvery.empty() && (o.run.irqEvery = cyclesArg("--irq-every", o.irqEvery, o.clockHz)) == 0)
    badArgument("--irq-every needs at least one cycle");
  for (const std::string& t : o.irqAt) o.run.irqAt.push_back(cyclesArg("--irq-at", t, o.clockHz));
  std::sort(o.run.irqAt.begin(), o.run.irqAt.end());
  if ((!o.vcdGlobals.empty() || o.vcdIrq) && o.vcdFile.empty())
    badArgument("--vcd-global and --vcd-irq need --vcd FILE");
  return o;
}

bool readFile(const std::string& name, std::string& text) {
  std::ostringstream ss;
  if (name == "-") {
    ss << std::cin.rdbuf();
  } else {
    std::ifstream in(name, std::ios::binary);
    if (!in) return false;
    ss << in.rdbuf();
  }
  text = ss.str();
  return true;
}

bool hasExtension(const std::string& name, const char* ext) {
  size_t n = std::strlen(ext);
  return name.size() > n && assembly::upper(name.substr(name.size() - n)) == ext;
}

// Builds the program from the named file; false after the one message.
bool loadProgram(const Options& o, Program& prog) {
  std::string fileName = o.program == "-" ? "stdin" : o.program;
  std::string source;
  if (!readFile(o.program, source)) {
    std::cerr << fileName << ": cannot open the program file\n";
    return false;
  }
  if (hasExtension(o.program, ".C")) return buildFromC(source, fileName, prog);
  try {
    prog = hasExtension(o.program, ".HEX") || hasExtension(o.program, ".MEM") ? loadImage(source, fileName)
                                                                            : assemble(source, fileName);
  } catch (const AsmError& e) {
    std::cerr << assembly::formatError(fileName, e) << "\n";
    return false;
  }
  return true;
}

bool loadScript(const Options& o, ScriptPorts& ports) {
  if (o.inputScript.empty()) return true;
  std::string script;
  if (!readFile(o.inputScript, script)) {
    std::cerr << o.inputScript << ": cannot open the input script\n";
    return false;
  }
  try {
    ports.loadScript(script, o.clockHz);
  } catch (const ScriptError& e) {
    std::cerr << o.inputScript << ":" << e.line() << ": " << e.what() << "\n";
    return false;
  }
  return true;
}

// Prints how the run ended and returns the exit status.
int reportEnd(Status s, const Machine& m, const Program& prog, double clockHz) {
  std::string when = formatCycle(m.cycles, clockHz) + ", " + std::to_string(m.steps) + " instructions";
  switch (s) {
    case Status::Fault:
      std::cerr << where(prog, m.faultAddress) << ": fault: " << m.faultMessage << "\n";
      return 3;
    case Status::StepLimit:
    case Status::CycleLimit:
      std::cerr << where(prog, m.pc) << ": " << (s == Status::StepLimit ? "step" : "cycle")
                << " limit reached at address " << assembly::hex(m.pc, 3) << ", " << when << "\n";
      return 4;
    default:
      if (clockHz > 0) std::cerr << prog.fileName << ": ended at " << when << "\n";
      return 0;
  }
}

// Waveform, trace and warnings: the hooks that watch the run go by.
void connect(Options& o, const Program& prog, Machine& m, ScriptPorts& ports, Waveform* wave) {
  ports.onMissing = [&prog, &m](uint8_t port) {
    std::cerr << where(prog, m.pc) << ": warning: INPUT from port " << assembly::hex(port, 2)
              << ", which the input script gives no value for at this time: reads 00\n";
  };
  if (o.stamps)
    ports.stamp = [clockHz = o.clockHz](uint64_t c) { return "  @ " + formatCycle(c, clockHz); };
  if (wave) ports.onOutput = [wave](uint64_t c, uint8_t port, uint8_t v) { wave->output(c, port, v); };
  RunOptions& run = o.run;
  bool trace = o.trace;
  run.onStep = [&prog, &m, wave, trace](uint16_t pc, const Instr& in) {
    if (trace) std::cout << traceLine(pc, in, m, cLineName(prog, in)) << "\n";
    if (!wave) return;
    uint64_t began = m.cycles - kCyclesPerInstruction;
    if (in.op == Op::Store) wave->stored(began, m);
    wave->interruptPending(began, m.irqPending);
  };
  run.onInterrupt = [&m, wave, trace](uint16_t returnPc) {
    if (trace) std::cout << "--- interrupt, return to " << assembly::hex(returnPc, 3) << "\n";
    if (!wave) return;
    wave->interruptPending(m.cycles, true);
    wave->interruptPending(m.cycles + kCyclesPerInstruction, false);
  };
}

// The whole waveform file, or nothing and a message.
bool writeWaveform(const std::string& path, const Waveform& wave, uint64_t endCycle) {
  std::string temp = path + ".part";
  std::ofstream out(temp, std::ios::binary);
  if (out) wave.write(out, endCycle);
  out.close();
  if (out && std::rename(temp.c_str(), path.c_str()) == 0) return true;
  std::remove(temp.c_str());
  std::cerr << path << ": cannot write the waveform\n";
  return false;
}

// Breakpoints, watches and the waveform's globals; a name that matches
// nothing is a bad command line.
void setUpSession(const Options& o, const Program& prog, Session& session, Waveform* wave, Machine& m) {
  std::string error;
  for (const std::string& where : o.breaks) {
    std::vector<int> addrs = breakAddresses(prog, where, error);
    if (addrs.empty()) badArgument("--break " + where + ": " + error);
    session.breakpoints.push_back({where, addrs});
  }
  for (const std::string& name : o.watches)
    if (!session.addWatch(name, error)) badArgument("--watch " + name + ": " + error);
  if (!wave) return;
  for (const std::string& name : o.vcdGlobals) {
    std::vector<Cell> cells = cellsOf(prog, m, name, error);
    if (cells.empty() || name.find('*') != std::string::npos)
      badArgument("--vcd-global " + name + ": " + (cells.empty() ? error : "needs a fixed address"));
    for (const Cell& c : cells) wave->addGlobal(c, readCell(m, c));
  }
  if (o.vcdIrq) wave->addInterruptLine();
}

}  // namespace

int main(int argc, char** argv) {
  Options opts = parseArgs(argc, argv);
  Program prog;
  if (!loadProgram(opts, prog)) return 1;
  ScriptPorts ports(std::cout);
  if (!loadScript(opts, ports)) return 1;

  Machine m(prog, ports);
  Waveform waveform(opts.clockHz);
  Waveform* wave = opts.vcdFile.empty() ? nullptr : &waveform;
  connect(opts, prog, m, ports, wave);
  Session session(prog, m, opts.run);
  setUpSession(opts, prog, session, wave, m);

  int status = 0;
  if (opts.interactive) {
    PromptContext ctx{prog, m, session, opts.clockHz,
                      [&](Status s) { return reportEnd(s, m, prog, opts.clockHz); }};
    status = runPrompt(ctx, std::cin, std::cout);
  } else {
    Stop stop = session.resume(Mode::Continue);
    if (stop.kind == Stop::Ended) {
      status = reportEnd(stop.status, m, prog, opts.clockHz);
    } else {
      session.describe(std::cout, stop, opts.clockHz);
      status = 5;
    }
  }
  if (opts.dump) dump(std::cout, m, prog);
  std::cout.flush();
  if (wave && !writeWaveform(opts.vcdFile, waveform, m.cycles)) return 1;
  return status;
}
