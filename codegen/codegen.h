// The code generator's shared state and entry points: what the translation
// of one node leaves for another (labels of the function being translated,
// the run-time routines asked for) and the listing of the data memory.
#pragma once

#include "codegen/emit.h"
#include "tree/strom.h"

// Runtime routine request flags, set by the multiply and divide translation.
extern bool mult1616, mult1515, mult1615, mult1516, mult88, mult77, mult87, mult78, div88, div1616;
void VlozMakra();
void resetCodeGenerator();

// The return point of the function being translated (set by its frame, read
// by return statements), and the reset of the statement translation's state.
extern int ActReturnLoop;
void resetStatementState();

// x op= y, ++x and x++ translate their target twice (once to read it, once
// to store to it), so each such operator nested inside the target of another
// doubles the code written.  Stops the run with "expression is too complex"
// when translating `target` would nest more than eight of them.
void checkDuplication(Expr* target, const Node* at);

// With -g: before the code of each statement, a comment line ";@ FILE:LINE"
// naming its first line in the C source, for debuggers and listings.  Off
// by default, so the plain translation is unchanged.
extern bool emitSourceLines;
void markSourceLine(Statm* statm);
// Translates a statement (null: nothing), after its mark with -g.
void translateStatm(Statm* statm);

// Writes the memory map listing to the output and returns the lowest static
// address of the file-scope variables.
int obsazeni_pameti();

// Writes a node's text (as in the comment lines) to the output.
void putNodeText(Node* node);
