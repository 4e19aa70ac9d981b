// Type words: the plain int that describes a name or a value, and the two
// questions every stage asks of one (its size, the common type of two).
#pragma once

#include <algorithm>

// A type word: base type in the low seven bits, flags above.
enum TypeWord {
  TYP_BASE = 0x7F,
  TYP_VOID = 1,
  TYP_CHAR = 2,
  TYP_SHORT = 3,
  TYP_INT = 4,
  TYP_POINTER = 0x80,
  TYP_STATIC = 0x100,
  TYP_ARRAY = 0x200,
  TYP_AUTO = 0x400,
  TYP_UNSIGNED = 0x800,
  TYP_CONST = 0x1000,
  TYP_GIVEN = 0x2000,
  TYP_PROTOTYPE = 0x4000,
  TYP_FUNCTION = 0x8000,
};

// Bytes of one value or element: 1 for char and every pointer, 2 for short
// and int, 0 for void and for no base type.
inline int typeSize(int typ) {
  int base = typ & TYP_BASE;
  if (base == TYP_CHAR || (typ & TYP_POINTER)) return 1;
  return base == TYP_SHORT || base == TYP_INT ? 2 : 0;
}

// The common type of two operands (constant, width of the wider, unsigned
// only if both are, pointer and array bits of either).
inline int commonType(int type, int other) {
  int size = std::max(typeSize(type), typeSize(other));
  int common = TYP_CONST | (size == 0 ? TYP_VOID : size == 1 ? TYP_CHAR : TYP_INT);
  if ((type & TYP_UNSIGNED) && (other & TYP_UNSIGNED)) common |= TYP_UNSIGNED;
  common |= (type | other) & (TYP_POINTER | TYP_ARRAY);
  return common;
}
