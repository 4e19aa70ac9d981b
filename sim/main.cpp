// tarvelsim: runs an assembled Tarvel program and reports how it ended.
//
// The program is assembly text, or a word image when its name ends in .hex
// or .mem.
//
// Exit status: 0 the program reached a jump to itself (its normal end),
// 1 the program or the input script could not be read or assembled,
// 2 bad command line, 3 run-time fault, 4 step limit reached.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "asm/text.h"
#include "machine.h"
#include "ports.h"
#include "program.h"
#include "report.h"

using namespace tarvelsim;

namespace {

struct Options {
  RunOptions run;
  bool trace = false;
  bool dump = false;
  std::string inputScript;
  std::string program;
};

[[noreturn]] void usage(const char* self) {
  std::cerr << "use: " << self
            << " [--steps N] [--trace] [--in FILE] [--irq-every N] [--dump] program.psm|.hex|.mem\n"
               "     (program \"-\" reads assembly text from standard input)\n";
  std::exit(2);
}

uint64_t number(const char* self, const char* text) {
  char* end = nullptr;
  unsigned long long v = std::strtoull(text, &end, 10);
  if (!*text || *end) usage(self);
  return v;
}

Options parseArgs(int argc, char** argv) {
  Options o;
  bool haveProgram = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == "--trace") {
      o.trace = true;
    } else if (a == "--dump") {
      o.dump = true;
    } else if (a == "--steps" && hasValue) {
      o.run.maxSteps = number(argv[0], argv[++i]);
    } else if (a == "--irq-every" && hasValue) {
      o.run.irqEvery = number(argv[0], argv[++i]);
    } else if (a == "--in" && hasValue) {
      o.inputScript = argv[++i];
    } else if ((a == "-" || a[0] != '-') && !haveProgram) {
      o.program = a;
      haveProgram = true;
    } else {
      usage(argv[0]);
    }
  }
  if (!haveProgram) usage(argv[0]);
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

// "file:line: " or "file: " when there is no line to name.
std::string where(const std::string& file, int line) {
  return line > 0 ? file + ":" + std::to_string(line) + ": " : file + ": ";
}

bool isImageName(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ext = assembly::upper(name.substr(name.size() - 4));
  return ext == ".HEX" || ext == ".MEM";
}

int report(Status s, const Machine& m, const std::string& file) {
  switch (s) {
    case Status::Fault:
      std::cerr << where(file, m.faultLine) << "fault: " << m.faultMessage << "\n";
      return 3;
    case Status::StepLimit: {
      char pc[8];
      std::snprintf(pc, sizeof pc, "%03X", m.pc);
      std::cerr << file << ": step limit of " << m.steps << " reached at address " << pc << "\n";
      return 4;
    }
    default:
      return 0;
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options opts = parseArgs(argc, argv);
  std::string fileName = opts.program == "-" ? "stdin" : opts.program;
  std::string source;
  if (!readFile(opts.program, source)) {
    std::cerr << fileName << ": cannot open the program file\n";
    return 1;
  }
  Program prog;
  try {
    prog = isImageName(opts.program) ? loadImage(source, fileName) : assemble(source, fileName);
  } catch (const AsmError& e) {
    std::cerr << assembly::formatError(fileName, e) << "\n";
    return 1;
  }

  ScriptPorts ports(std::cout);
  if (!opts.inputScript.empty()) {
    std::string script;
    if (!readFile(opts.inputScript, script)) {
      std::cerr << opts.inputScript << ": cannot open the input script\n";
      return 1;
    }
    try {
      ports.loadScript(script);
    } catch (const ScriptError& e) {
      std::cerr << where(opts.inputScript, e.line()) << e.what() << "\n";
      return 1;
    }
  }

  Machine m(prog, ports);
  if (opts.trace) {
    opts.run.onStep = [&m](uint16_t pc, const Instr& in) {
      std::cout << traceLine(pc, in, m) << "\n";
    };
    opts.run.onInterrupt = [](uint16_t returnPc) {
      char buf[48];
      std::snprintf(buf, sizeof buf, "--- interrupt, return to %03X", returnPc);
      std::cout << buf << "\n";
    };
  }
  Status s = m.run(opts.run);
  if (opts.dump) dump(std::cout, m, prog);
  std::cout.flush();
  return report(s, m, fileName);
}
