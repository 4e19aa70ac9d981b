// Recursive-descent parser: builds the syntax tree and declares every name
// in the symbol table while it reads.
#pragma once

#include <functional>

#include "tree/strom.h"

// Facts the tree does not keep, reported while parsing for the driver's
// warnings.  Unset (the default) each costs one test where it arises.
struct ParseHooks {
  // A static or file-level variable declared with an initializer; `at` is
  // the '='.
  std::function<void(const char* name, const SourcePos& at)> staticInitializer;
  // The rest of the line after "asm {", which the block drops; `at` is the
  // column right after the brace.
  std::function<void(const char* text, const SourcePos& at)> asmLineTail;
};
extern ParseHooks parseHooks;

// The whole unit; the first token must already be in Symb.
Prog* Program();
void resetParser();

// Entry points used by the tests.
Expr* Vyraz();
Expr* AssignExpr();
Statm* Stat();
