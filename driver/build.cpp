// One build: read the input, compile it in process (or take it as assembly
// text), assemble, check the memory budget, write the image and listing.
// Every output file is written in full or not at all.
#include "driver/build.h"

#include <cstdio>
#include <string>

#include "asm/assembler.h"
#include "asm/images.h"
#include "diag/diagnostics.h"
#include "driver/budget.h"
#include "driver/compile.h"
#include "driver/messages.h"
#include "driver/outfile.h"
#include "driver/preprocess.h"
#include "front/parser.h"
#include "front/vstup.h"
#include "opt/optimize.h"
#include "warn/check.h"
#include "warn/warnings.h"

namespace {

// The input as diagnostics name it.
std::string shownInput(const Options& o) { return o.input == "-" ? "<stdin>" : o.input; }

bool readInput(const Options& o, std::string& text) {
  try {
    readSource(o.input == "-" ? nullptr : o.input.c_str(), text);
    return true;
  } catch (const RunEnded&) {
    return false;
  }
}

WarningSelection warningSelection(const Options& o) {
  WarningSelection selection;
  for (const std::string& flag : o.warningFlags) selection.apply(flag);  // checked by the option parser
  return selection;
}

// Compiles with the warnings: the parser reports what only it sees, the
// tree is checked before any code is written, and the warnings are printed
// in source order.  Under -Werror a warning stops the run before the
// translation, so nothing is written.  The generated code is the same
// either way: the checks only read.
int compileSource(const Options& o, const std::string& source, std::FILE* stream, std::string* text) {
  WarningSelection selection = warningSelection(o);
  Findings parsed(selection), walked(selection);
  parseHooks.staticInitializer = [&parsed](const char* name, const SourcePos& at) {
    checkStaticInitializer(parsed, name, at);
  };
  parseHooks.asmLineTail = [&parsed](const char* rest, const SourcePos& at) { checkAsmLineTail(parsed, rest, at); };
  CompileOptions options;
  options.sourceLines = o.sourceLines;
  options.afterParse = [&](Prog* program) {
    checkProgram(program, walked);
    std::vector<Finding> all = inSourceOrder(parsed.list(), walked.list());
    for (const Finding& f : all) printFinding(f, selection.errors());
    if (selection.errors() && !all.empty()) endRun(1);
  };
  std::string name = shownInput(o);
  int status = compileText(source, name.c_str(), stream, text, options);
  parseHooks = ParseHooks();
  return status;
}

bool writeOrReport(const std::string& path, const std::string& text) {
  std::string error;
  if (writeWholeFile(path, text, error)) return true;
  driverError(error);
  return false;
}

// -S straight to the output file or standard output, as the compiler writes
// it: nothing is held in memory.
int compileStreaming(const Options& o, const std::string& source, const std::string& path) {
  OutputFile file;
  std::string error;
  if (!file.open(path, error)) {
    driverError(error);
    return 1;
  }
  int status = compileSource(o, source, file.stream(), nullptr);
  if (status != 0) return status;  // a file is discarded; standard output keeps its part
  if (file.commit(error)) return 0;
  driverError(error);
  return 1;
}

std::string image(const Options& o, const assembly::WordImage& words, const std::string& path) {
  switch (o.format) {
    case ImageFormat::Mem: return assembly::memImage(words);
    case ImageFormat::Mif: return assembly::mifImage(words);
    case ImageFormat::Vhdl: return assembly::vhdlRom(words, baseName(path));
    case ImageFormat::Verilog: return assembly::verilogRom(words, baseName(path));
    case ImageFormat::Hex: break;
  }
  return assembly::hexImage(words);
}

// An assembler error: in a .psm input at its line; in compiled C it can only
// come from an asm block, and names the line of the generated text.
void reportAssemblyError(const Options& o, bool fromC, const assembly::Error& e) {
  if (e.kind() != assembly::Error::InText && fromC) {  // the memory budget
    placedMessage(shownInput(o), 0, "error", e.what());
    if (!o.optimize) placedMessage(shownInput(o), 0, "note", "-O makes the code smaller");
    return;
  }
  if (!fromC) {
    placedMessage(shownInput(o), e.line(), "error", e.what());
    return;
  }
  placedMessage(shownInput(o), 0, "error",
                std::string(e.what()) + " (line " + std::to_string(e.line()) +
                    " of the generated assembly, from an asm block; -S writes it)");
}

// Budget warnings: stacks that can overflow, each one selectable.  Returns
// false when -Werror makes one an error.
bool checkStacks(const Options& o, const Budget& b) {
  WarningSelection selection = warningSelection(o);
  bool reported = false;
  auto warn = [&](Warning kind, const std::string& text) {
    if (!selection.enabled(kind)) return;
    std::string name = warningName(kind);
    placedMessage(shownInput(o), 0, selection.errors() ? "error" : "warning",
                  text + (selection.errors() ? " [-Werror=" : " [-W") + name + "]");
    reported = true;
  };
  int room = kDataBytes - b.staticBytes;
  if (b.hasDataLayout && (b.dataStack.unbounded || b.dataStack.depth > room)) {
    warn(Warning::Stack, b.dataStack.unbounded
                             ? "the data stack has no bound: " + b.dataStack.recursion + " is recursive"
                             : "the data stack can overflow: up to " + std::to_string(b.dataStack.depth) +
                                   " bytes, " + std::to_string(room) + " free below the statics");
  }
  if (b.callStack.unbounded || b.callStack.depth > kReturnAddresses) {
    warn(Warning::CallDepth, b.callStack.unbounded
                                 ? "the call stack has no bound: " + b.callStack.recursion + " is recursive"
                                 : "the call stack can overflow: up to " + std::to_string(b.callStack.depth) +
                                       " return addresses of " + std::to_string(kReturnAddresses));
  }
  return !(reported && selection.errors());
}

// Assembles, checks and writes what the options ask for.
int finish(const Options& o, const std::string& assemblyText, bool fromC) {
  assembly::Assembly program;
  try {
    program = assembly::assemble(assemblyText);
  } catch (const assembly::Error& e) {
    reportAssemblyError(o, fromC, e);
    return 1;
  }
  Budget budget = measureBudget(program);
  if (!checkStacks(o, budget)) return 1;
  std::string path = defaultOutput(o);
  if (!o.assemblyOnly && !writeOrReport(path, image(o, assembly::wordImage(program), path))) return 1;
  if (!o.listing.empty() && !writeOrReport(o.listing, assembly::listing(program))) return 1;
  if (o.size) std::fputs(formatBudget(budget).c_str(), stderr);
  return 0;
}

}  // namespace

int build(const Options& o) {
  useDriverMessages();
  std::string original;
  if (!readInput(o, original)) return 1;
  if (isAssemblyInput(o.input)) return finish(o, original, false);
  setMainSource(shownInput(o), &original);  // the lines that messages show

  std::string path = defaultOutput(o);
  std::string preprocessed;
  bool preprocessing = needsPreprocessor(o, original);
  if (preprocessing) {
    if (preprocess(o, original, preprocessed) != 0) return 1;
    if (o.preprocessOnly) return writeOrReport(path, preprocessed) ? 0 : 1;
  }
  const std::string& source = preprocessing ? preprocessed : original;
  bool keepText = o.optimize || o.size || !o.listing.empty();
  if (o.assemblyOnly && !keepText) return compileStreaming(o, source, path);

  std::string text;
  int status = compileSource(o, source, nullptr, &text);
  if (status != 0) {
    if (o.assemblyOnly && path == "-") std::fwrite(text.data(), 1, text.size(), stdout);
    return status;
  }
  if (o.optimize) text = opt::optimizeProgram(text);
  if (o.assemblyOnly && !writeOrReport(path, text)) return 1;
  // -S asks for the text only; assemble it just for a listing or the budget.
  if (o.assemblyOnly && !o.size && o.listing.empty()) return 0;
  return finish(o, text, true);
}
