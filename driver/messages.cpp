// The driver's messages.
#include "driver/messages.h"

#include <cstdio>

#include "diag/diagnostics.h"

void driverError(const std::string& text) { std::fprintf(stderr, "tarvel: error: %s\n", text.c_str()); }

void placedMessage(const std::string& file, int line, const char* kind, const std::string& text) {
  if (line > 0)
    std::fprintf(stderr, "%s:%d: %s: %s\n", file.c_str(), line, kind, text.c_str());
  else
    std::fprintf(stderr, "%s: %s: %s\n", file.c_str(), kind, text.c_str());
}

namespace {
void reportCompilerDiagnostic(const Diagnostic& d) {
  if (!d.file) {
    driverError(d.message);
    return;
  }
  std::fprintf(stderr, "%s:%d: error: %s\n", d.file, d.line, d.message);
}
}  // namespace

void useDriverMessages() { setReporter(reportCompilerDiagnostic); }
