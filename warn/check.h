// The warnings found in the syntax tree: one walk over the whole unit after
// parsing and before the optimizer, reading the tree and the file-level
// symbols without changing either, so that the code written afterwards is
// the same with or without it.
#pragma once

#include "tree/strom.h"
#include "warn/warnings.h"

void checkProgram(Prog* program, Findings& findings);

// The type word the code generator will give `e`, worked out as the
// checks do (for tests that hold the two side by side).
int expectedType(Expr* e);
