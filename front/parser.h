// Recursive-descent parser: builds the syntax tree and declares every name
// in the symbol table while it reads.
#pragma once

#include "tree/strom.h"

// The whole unit; the first token must already be in Symb.
Prog* Program();
void resetParser();

// Entry points used by the tests.
Expr* Vyraz();
Expr* AssignExpr();
Statm* Stat();
