// Diagnostics: the source position every message names, the one-line
// report that ends a run, and the exception that carries the exit status
// out to the driver.
//
// Every stage of the compiler reports through here, and this module
// includes none of them: a stage only needs a message and, when it has one,
// the position of the construct it is translating.
#pragma once

#include <cstdint>
#include <string>

// A place in the source.  Every node of the tree is one, so it is kept
// small: the file is a number in the run's table of file names, and the
// fields leave the end of the struct for a node's own small fields.
struct SourcePos {
  SourcePos() = default;
  // The named file (added to the table when it is not the current one).
  SourcePos(int line, const char* file, int column = 0);
  // Where the reader is: the current token's line, file and column.
  static SourcePos here();

  const char* file() const;  // lives as long as the run

  int line = 0;
  uint32_t fileId = 0;   // index in the run's file names; 0 is ""
  uint16_t column = 0;   // 1-based byte column of the token; 0 when not known
};

extern int CisloRadku;         // number of the line being read
extern int tokenColumn;        // column where the lexer's current token starts
extern char JmenoSouboru[];    // name of the file being read (at most 512 chars)
constexpr int kFileNameLimit = 512;

// Thrown by endRun(); the driver (or the fuzz harness) catches it, flushes the
// output written so far and ends with the status.
struct RunEnded {
  int status;
};

// Ends the run with the given exit status.  The one exit path of the
// compiler, so that a harness can catch it instead of losing the process.
[[noreturn]] void endRun(int status);

// Makes `name` (already cut to its shown form) the current file.
void setFileName(const char* name);
// The current file name as a string that lives until the end of the run.
const char* currentFileName();
void resetDiagnostics();

// Prints "file:line: message" and ends the run with status 1.  Without a
// place the reader's current position is named.
[[noreturn]] void Chyba(const char* message, const SourcePos* place = nullptr);
// Ends the run with status 1 after a message that names no position (a
// source that cannot be read), printed as it is.
[[noreturn]] void ChybaPlain(const char* message);
// Prints a diagnostic without ending the run (the driver's last resort when
// memory has run out).
void report(const char* file, int line, const char* message);

// Where a message goes.  The compiler prints the one line above; the driver
// installs its own reporter to add a column, the source line and a caret.
// A reporter returns normally; the run ends after it.
struct Diagnostic {
  const char* file;  // null for a message without a position
  int line;
  const char* message;
  bool atReader;  // the position is the reader's, not a node's
  int column;     // 0 when not known
};
using Reporter = void (*)(const Diagnostic&);
void setReporter(Reporter reporter);  // null: the compiler's own line
