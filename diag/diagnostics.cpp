// Diagnostics: positions, reporting, the end of a run.
#include "diag/diagnostics.h"

#include <cstdio>
#include <cstring>
#include <deque>

namespace {
std::deque<std::string> names;   // every file name the run has seen
const char* nodeFileName = "";   // names.back(), or "" before the first one
Reporter reporter = nullptr;

[[noreturn]] void report(const char* file, int line, const char* text, bool atReader) {
  if (reporter)
    reporter(Diagnostic{file, line, text, atReader});
  else
    std::fprintf(stderr, "%s:%d: %s\n", file, line, text);
  endRun(1);
}
}  // namespace

int CisloRadku = 0;
char JmenoSouboru[kFileNameLimit + 1];

void endRun(int status) { throw RunEnded{status}; }

void setFileName(const char* name) {
  std::strncpy(JmenoSouboru, name, kFileNameLimit);
  JmenoSouboru[kFileNameLimit] = '\0';
  names.emplace_back(JmenoSouboru);
  nodeFileName = names.back().c_str();
}

const char* currentFileName() { return nodeFileName; }

void resetDiagnostics() {
  names.clear();
  nodeFileName = "";
  CisloRadku = 0;
  JmenoSouboru[0] = '\0';
}

void setReporter(Reporter r) { reporter = r; }

void Chyba(const char* message, const SourcePos* place) {
  if (place) report(place->file, place->line, message, false);
  report(JmenoSouboru, CisloRadku, message, true);
}
