// Source reader and the parser's diagnostics.
//
// The reader hands the source to the lexer one character at a time, line by
// line, keeps the file name and line number that every diagnostic prints
// (in diag/) and honours line markers ("@file:line:text").
#pragma once

#include <string>

#include "diag/diagnostics.h"
#include "front/tokens.h"

extern char Radek[];           // the current line, newline and terminator added
extern char* Aktualni;         // read position in Radek

// Opens the source (null: standard input) and reads it whole.  A file that
// cannot be read ends the run with "input file %s not fined ".
void InitVstup(const char* name);
// The reading part of InitVstup: the whole source into `text`, with the
// same diagnostics.
void readSource(const char* name, std::string& text);
void resetReader();

// The next character of the source, -1 at the end.  Inline: the lexer asks
// once per character, and all but the last character of a line come
// straight from the line buffer.
int readFromNextLine();
inline int CtiZnak() {
  if (*Aktualni) return static_cast<signed char>(*Aktualni++);
  return readFromNextLine();
}
char* CtiRadekVstupu();
// The text of the line the reader is in, from its first character (after a
// line marker: from the first character after the marker).
const char* currentLineText();

// Takes the source from memory instead of a file (the driver, tests,
// fuzzing).  The text is read in place, so it must outlive the run.
void InitVstupText(const std::string& text, const char* name);

[[noreturn]] void ChybaUnOp(LexSymbol op);
[[noreturn]] void ChybaBinOp(LexSymbol op);
[[noreturn]] void Chyba1BinOp(LexSymbol op);
[[noreturn]] void ChybaSrovnani(LexSymbol expected, LexSymbol found);
