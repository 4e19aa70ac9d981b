// Source reader and diagnostics.
//
// The reader hands the source to the lexer one character at a time, line by
// line, keeps the file name and line number that every diagnostic prints and
// honours line markers ("@file:line:text").  Every diagnostic ends the run:
// it prints one line to stderr and leaves through endRun().
#pragma once

#include "front/tokens.h"

class Node;

extern char Radek[];           // the current line, newline and terminator added
extern char* Aktualni;         // read position in Radek
extern int CisloRadku;         // number of the current line
extern char JmenoSouboru[];    // name of the current file (at most 512 chars)

// Thrown by endRun(); the driver (or the fuzz harness) catches it, flushes the
// output written so far and ends with the status.
struct RunEnded {
  int status;
};

// Ends the run with the given exit status.  The one exit path of the
// compiler, so that a harness can catch it instead of losing the process.
[[noreturn]] void endRun(int status);

// Opens the source (null: standard input) and reads it whole.  A file that
// cannot be read ends the run with "input file %s not fined ".
void InitVstup(const char* name);
void resetReader();

int CtiZnak();
char* CtiRadekVstupu();
// The text of the line the reader is in, from its first character (after a
// line marker: from the first character after the marker).
const char* currentLineText();

// The current file name as a string that lives until the end of the run;
// nodes keep it as their position.
const char* currentFileName();

[[noreturn]] void ChybaUnOp(LexSymbol op);
[[noreturn]] void ChybaBinOp(LexSymbol op);
[[noreturn]] void Chyba1BinOp(LexSymbol op);
[[noreturn]] void ChybaSrovnani(LexSymbol expected, LexSymbol found);
[[noreturn]] void Chyba(const char* message, const Node* place = nullptr);
// Same as Chyba() at a position given by file and line.
[[noreturn]] void ChybaAt(const char* file, int line, const char* message);
