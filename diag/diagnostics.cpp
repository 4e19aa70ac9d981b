// Diagnostics: positions, reporting, the end of a run.
#include "diag/diagnostics.h"

#include <cstdio>
#include <cstring>
#include <deque>

namespace {
// Every file name the run has seen, "" first; a deque, so that a name
// stays where it is while more are added.
std::deque<std::string> names(1);
Reporter reporter = nullptr;

void send(const char* file, int line, const char* text, bool atReader, int column) {
  if (reporter)
    reporter(Diagnostic{file, line, text, atReader, column});
  else if (file)
    std::fprintf(stderr, "%s:%d: %s\n", file, line, text);
  else
    std::fprintf(stderr, "%s\n", text);
}
}  // namespace

int CisloRadku = 0;
int tokenColumn = 0;
char JmenoSouboru[kFileNameLimit + 1];

void endRun(int status) { throw RunEnded{status}; }

void setFileName(const char* name) {
  std::strncpy(JmenoSouboru, name, kFileNameLimit);
  JmenoSouboru[kFileNameLimit] = '\0';
  names.emplace_back(JmenoSouboru);
}

const char* currentFileName() { return names.back().c_str(); }

SourcePos::SourcePos(int line, const char* file, int column) : line(line), column(uint16_t(column)) {
  if (names.back() != file) names.emplace_back(file);
  fileId = uint32_t(names.size() - 1);
}

SourcePos SourcePos::here() {
  SourcePos at;
  at.line = CisloRadku;
  at.fileId = uint32_t(names.size() - 1);
  at.column = uint16_t(tokenColumn);  // lines are read at most 511 bytes at a time
  return at;
}

const char* SourcePos::file() const { return names[fileId].c_str(); }

void resetDiagnostics() {
  names.resize(1);
  CisloRadku = 0;
  tokenColumn = 0;
  JmenoSouboru[0] = '\0';
}

void setReporter(Reporter r) { reporter = r; }

void Chyba(const char* message, const SourcePos* place) {
  if (place)
    send(place->file(), place->line, message, false, place->column);
  else
    send(JmenoSouboru, CisloRadku, message, true, tokenColumn);
  endRun(1);
}

void ChybaPlain(const char* message) {
  send(nullptr, 0, message, false, 0);
  endRun(1);
}

void report(const char* file, int line, const char* message) { send(file, line, message, false, 0); }
