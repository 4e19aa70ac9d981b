// The type words the code generator gives values, computed ahead of the
// translation.  The generator learns an expression's type only while it
// writes code; the warnings need it before, so these functions restate its
// rules: keep them in step with codegen/ (operators.cpp, muldiv.cpp,
// assign.cpp, unary.cpp, operands.cpp).
#pragma once

#include "tree/strom.h"

// The type of the number `value` (as a Numb gets it).
int numberType(int value);
// The type of a variable read as a value: an array becomes a pointer.
int valueType(int declared);
// The type of an element reached through a pointer or array of type `typ`.
int elementType(int typ);
bool isPointerType(int typ);

// The type of `left op right` after translation (op an operator below
// OP_COMMA), and the width the operation works at.
int binaryType(Operator op, int left, int right);
int operationWidth(int left, int right);
// The plain operator of a compound assignment (OP_ADD for OP_ADD_ASSIGN).
Operator plainOperator(Operator compound);
// The operator's source text ("<", "+=").
const char* operatorText(Operator op);
