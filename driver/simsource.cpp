// The simulator's C input: compiled in process with the compiler's library,
// as `tarvel -g` compiles it. It lives here because only the driver's
// folder may depend on both the compiler and the simulator.
#include "sim/csource.h"

#include <cstdio>

#include "diag/diagnostics.h"
#include "driver/compile.h"
#include "sim/program.h"

namespace tarvelsim {
namespace {

void printDiagnostic(const Diagnostic& d) {
  if (!d.file) std::fprintf(stderr, "tarvelsim: error: %s\n", d.message);
  else std::fprintf(stderr, "%s:%d: error: %s\n", d.file, d.line, d.message);
}

}  // namespace

std::string assemblyName(const std::string& cFile) {
  size_t slash = cFile.rfind('/');
  std::string base = slash == std::string::npos ? cFile : cFile.substr(slash + 1);
  return base.substr(0, base.size() - 2) + ".psm";
}

bool buildFromC(const std::string& source, const std::string& fileName, Program& prog) {
  setReporter(printDiagnostic);
  CompileOptions options;
  options.sourceLines = true;
  std::string text;
  int status = runWithLargeStack(
      [&] { return compileText(source, fileName.c_str(), nullptr, &text, options); });
  if (status != 0) return false;
  std::string shown = assemblyName(fileName);
  try {
    prog = assemble(text, shown);
  } catch (const AsmError& e) {
    // The compiler's own text always assembles; an error comes from an asm
    // block and names the line of the generated text.
    std::fprintf(stderr, "%s: error: %s (line %d of the generated assembly, from an asm block)\n",
                 fileName.c_str(), e.what(), e.line());
    return false;
  }
  return true;
}

}  // namespace tarvelsim
