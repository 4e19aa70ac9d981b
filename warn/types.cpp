// Type words of values as the code generator computes them (see types.h).
#include "warn/types.h"

namespace {
int withBase(int typ, int base) { return (typ & ~(TYP_BASE | TYP_UNSIGNED)) | base; }
bool isUnsigned(int typ) { return typ & TYP_UNSIGNED; }
}  // namespace

int numberType(int value) {
  int typ = TYP_CONST;
  if (value >= 0) typ |= TYP_UNSIGNED;
  return typ | ((value >= -128 && value <= 255) ? TYP_CHAR : TYP_INT);
}

int valueType(int declared) {
  return declared & TYP_ARRAY ? (declared & ~TYP_ARRAY) | TYP_POINTER : declared;
}

int elementType(int typ) { return typ & ~(TYP_POINTER | TYP_ARRAY); }
bool isPointerType(int typ) { return typ & (TYP_POINTER | TYP_ARRAY); }

// Pointers make an operation one byte wide; otherwise the wider operand's
// width.
int operationWidth(int left, int right) {
  if (isPointerType(left) || isPointerType(right)) return 1;
  return typeSize(commonType(left, right));
}

int binaryType(Operator op, int left, int right) {
  int common = commonType(right, left);
  bool lp = isPointerType(left), rp = isPointerType(right);
  bool bothUnsigned = isUnsigned(left) && isUnsigned(right);
  if (lp || rp) {
    if (op == OP_ADD) return lp ? left : right;
    if (op == OP_SUB) return rp ? TYP_UNSIGNED | TYP_CHAR : left;
  }
  switch (op) {
    case OP_SHL: case OP_SHR:
      return left;
    case OP_LT: case OP_LE: case OP_GT: case OP_GE: case OP_EQ: case OP_NE: case OP_LOR: case OP_LAND:
      return TYP_UNSIGNED | TYP_CHAR;
    case OP_MUL:
      return withBase(common, bothUnsigned ? TYP_UNSIGNED | TYP_INT : TYP_INT);
    case OP_DIV: case OP_MOD:
      if (operationWidth(left, right) == 1) return withBase(common, bothUnsigned ? TYP_UNSIGNED | TYP_CHAR : TYP_CHAR);
      return withBase(common, bothUnsigned ? TYP_UNSIGNED | TYP_INT : TYP_INT);
    default:
      return common;
  }
}

Operator plainOperator(Operator compound) {
  static const Operator table[] = {OP_MUL, OP_DIV, OP_MOD, OP_ADD, OP_SUB,
                                   OP_SHL, OP_SHR, OP_AND, OP_XOR, OP_OR};
  return table[compound - OP_MUL_ASSIGN];
}

const char* operatorText(Operator op) {
  static const char* const texts[] = {"*", "/", "%", "+", "-", "<<", ">>", "<", "<=", ">", ">=",
                                      "==", "!=", "&", "^", "|", "||", "&&", ",", "",
                                      "=", "*=", "/=", "%=", "+=", "-=", "<<=", ">>=", "&=", "^=", "|=", "()"};
  return texts[op];
}
