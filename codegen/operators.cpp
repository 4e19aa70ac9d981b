// Binary operators: the common operand frame, pointer arithmetic, the
// additive, bitwise and shift sequences, comparisons and logical operators.
#include <cstdio>
#include <string>

#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {

bool isPointer(int typ) { return typ & (TYP_POINTER | TYP_ARRAY); }

// An int or short pointer steps by two bytes per element.
bool stepDoubles(int typ) {
  int base = typ & TYP_BASE;
  return base == TYP_SHORT || base == TYP_INT;
}

int elementSize(int typ) {
  int base = typ & TYP_BASE;
  return base == TYP_CHAR ? 1 : stepDoubles(typ) ? 2 : 0;
}

void byteOps(int n, const char* byte0, const char* byte1) {
  if (n >= 1) out.puts(byte0);
  if (n >= 2) out.puts(byte1);
}

Operator underlyingOperator(Operator compound) {
  static const Operator table[] = {OP_MUL, OP_DIV, OP_MOD, OP_ADD, OP_SUB,
                                   OP_SHL, OP_SHR, OP_AND, OP_XOR, OP_OR};
  return table[compound - OP_MUL_ASSIGN];
}

}  // namespace

// The text is put together in one string kept between calls: every sum
// and difference writes its operands in its comment line.
void putNodeText(Node* node) {
  static std::string text;
  text.clear();
  node->print(text);
  out.write(text.data(), text.size());
}

void BinOp::Translate() {
  if (op >= OP_MUL_ASSIGN && op <= OP_OR_ASSIGN) {
    // a op= b is a = a op b; the value side reads its own copy of a.
    checkDuplication(left, this);
    BinOp* value = new BinOp(underlyingOperator(op), left ? left->clone() : nullptr, right);
    value->copyInfo(this);
    right = value;
    op = OP_ASSIGN;
  }
  switch (op) {
    case OP_COMMA: comma(); return;
    case OP_CALL: call(); return;
    case OP_ASSIGN: assign(); return;
    default: break;
  }
  Operands o = evaluateOperands();
  if ((isPointer(o.leftType) || isPointer(o.rightType)) && pointerRules(o)) return;
  switch (op) {
    case OP_ADD: case OP_SUB: additive(o); return;
    case OP_AND: case OP_XOR: case OP_OR: bitwise(o); return;
    case OP_SHL: case OP_SHR: shift(o); return;
    case OP_LT: case OP_LE: case OP_GT: case OP_GE: comparison(o); return;
    case OP_EQ: case OP_NE: equality(o); return;
    case OP_LOR: case OP_LAND: logical(o); return;
    case OP_MUL: multiply(o); return;
    case OP_DIV: case OP_MOD: divide(o); return;
    default: out.puts("        ; TODO\n"); return;
  }
}

// Evaluates both operands and widens them to their common type: a simple
// right operand goes straight into pair 0 (left stays in pair 1); any other
// right operand is evaluated into pair 1 while the left waits on the stack.
BinOp::Operands BinOp::evaluateOperands() {
  if (!left || !right) {
    std::fputs("Error at operator input", stderr);
    endRun(2);
  }
  Operands o;
  left->Translate();
  o.leftType = left->typ;
  int leftWidth = typeSize(o.leftType);
  o.stacked = !right->IsSimple();
  if (!o.stacked) {
    right->TranslateSimple();
    typ = CONV(0, right->typ, o.leftType);
    typ = CAST(1, o.leftType, typ);
  } else {
    PUSH(leftWidth);
    right->Translate();
    typ = CONV(1, right->typ, o.leftType);
    POP(leftWidth);
    typ = CAST(0, o.leftType, typ);
  }
  o.rightType = right->typ;
  // The sequences work at the common width; pointers are one byte.
  o.n = isPointer(o.leftType) || isPointer(o.rightType) ? 1 : typeSize(typ);
  return o;
}

// Pointer operands: true when the operation is complete.
bool BinOp::pointerRules(const Operands& o) {
  bool lp = isPointer(o.leftType), rp = isPointer(o.rightType);
  switch (op) {
    case OP_LT: case OP_LE: case OP_GT: case OP_GE: case OP_EQ: case OP_LOR: case OP_LAND:
      return false;
    case OP_ADD:
      if (lp && rp) Chyba("two pointers can not be added", this);
      if (lp) {
        if (stepDoubles(o.leftType)) out.puts(o.stacked ? "        ADD     s2,s2\n" : "        ADD     s0,s0\n");
        typ = o.leftType;
      } else {
        if (stepDoubles(o.rightType)) out.puts(o.stacked ? "        ADD     s0,s0\n" : "        ADD     s2,s2\n");
        typ = o.rightType;
      }
      out.puts("        ADD     s2,s0\n");
      return true;
    case OP_SUB:
      if (!lp) Chyba("operation variable minus pointer is not possible", this);
      if (!rp) {
        if (stepDoubles(o.leftType)) out.puts(o.stacked ? "        ADD     s2,s2\n" : "        ADD     s0,s0\n");
        out.puts(o.stacked ? "        SUB     s0,s2\n        LOAD    s2,s0\n" : "        SUB     s2,s0\n");
        typ = o.leftType;
        return true;
      }
      if (elementSize(o.leftType) != elementSize(o.rightType))
        Chyba("pointers of different type can not be subtracted ", this);
      out.puts(o.stacked ? "        SUB     s0,s2\n        LOAD    s2,s0\n" : "        SUB     s2,s0\n");
      if (stepDoubles(o.leftType)) out.puts("        SR0     s2\n");
      typ = TYP_UNSIGNED | TYP_CHAR;
      return true;
    default:
      Chyba("unsupported operation with pointer", this);
  }
}

void BinOp::additive(const Operands& o) {
  out.puts("        ; ");
  putNodeText(left);
  out.puts(op == OP_ADD ? " plus " : " minus ");
  putNodeText(right);
  out.puts("\n");
  if (op == OP_ADD) {
    byteOps(o.n, "        ADD     s2,s0\n", "        ADDCY    s3,s1\n");
  } else if (!o.stacked) {
    byteOps(o.n, "        SUB     s2,s0\n", "        SUBCY    s3,s1\n");
  } else {
    byteOps(o.n, "        SUB     s0,s2\n", "        SUBCY    s1,s3\n");
    byteOps(o.n, "        LOAD    s2,s0\n", "        LOAD    s3,s1\n");
  }
}

void BinOp::bitwise(const Operands& o) {
  if (op == OP_AND) {
    out.puts("        ; and\n");
    byteOps(o.n, "        AND     s2,s0\n", "        AND     s3,s1\n");
  } else if (op == OP_XOR) {
    out.puts("        ; xor\n");
    byteOps(o.n, "        XOR     s2,s0\n", "        XOR     s3,s1\n");
  } else {
    out.puts("        ; or\n");
    byteOps(o.n, "        OR      s2,s0\n", "        OR      s3,s1\n");
  }
}

// Shifts by a constant count, one instruction pair per bit; the width is
// the left operand's own.
void BinOp::shift(const Operands& o) {
  out.puts(op == OP_SHL ? "        ; shift left\n" : "        ; shift right\n");
  int m = typeSize(o.leftType);
  Numb* count = as<Numb>(right);
  if (!count) Chyba("bit rotation supported only for constant shift", this);
  int steps = m >= 1 ? ((8 * m - 1) & count->value) : 0;
  unsigned low = o.stacked ? 0 : 2, high = low + 1;
  for (int i = 0; i < steps; i++) {
    if (op == OP_SHL) {
      out << "        SL0     " << Reg{low} << '\n';
      if (m >= 2) out << "        SLA     " << Reg{high} << '\n';
    } else if (m >= 2) {
      out << "        SR0     " << Reg{high} << "\n        SRA     " << Reg{low} << '\n';
    } else {
      out << "        SR0     " << Reg{low} << '\n';
    }
  }
  if (o.stacked) byteOps(m, "        LOAD    s2,s0\n", "        LOAD    s3,s1\n");
  typ = o.leftType;
}

// Ordering comparisons subtract, move the borrow into bit 0 of s2 and, for
// <= and >=, negate it.  Operands compare as unsigned numbers.
void BinOp::comparison(const Operands& o) {
  bool leftFirst = op == OP_LT || op == OP_GE;  // left minus right
  bool negate = op == OP_LE || op == OP_GE;
  switch (op) {
    case OP_LT: out.puts("        ; less \n"); break;
    case OP_LE: out.puts("        ; less or equal\n"); break;
    case OP_GT: out.puts("        ; greater \n"); break;
    default: out.puts("        ; less\n"); break;
  }
  if (leftFirst != o.stacked) byteOps(o.n, "        SUB     s2,s0\n", "        SUBCY    s3,s1\n");
  else byteOps(o.n, "        SUB     s0,s2\n", "        SUBCY    s1,s3\n");
  out.puts("        SLA     s2\n        AND     s2,01\n");
  if (negate) out.puts("        XOR     s2,01\n");
  typ = TYP_UNSIGNED | TYP_CHAR;
}

void BinOp::equality(const Operands& o) {
  int equal = NewLabel();
  out.puts(op == OP_EQ ? "        ; ==\n" : "        ; !=\n");
  if (o.n >= 1) out.puts("        XOR     s2,s0\n");
  int highDiffers = -1;
  if (o.n >= 2) {
    highDiffers = NewLabel();
    out << "        JUMP    NZ," << Label{highDiffers} << '\n';
    out.puts("        XOR     s3,s1\n");
  }
  out << "        JUMP    Z," << Label{equal} << '\n';
  if (o.n >= 2) putLabel(highDiffers);
  out.puts("        LOAD    s2,01\n");
  putLabel(equal);
  if (op == OP_EQ) out.puts("        XOR     s2,01\n");
  typ = TYP_UNSIGNED | TYP_CHAR;
}

// Both operands are already evaluated: there is no short circuit.
void BinOp::logical(const Operands& o) {
  int done = NewLabel();
  if (op == OP_LOR) {
    out.puts("        ; logical or\n");
    if (o.n >= 1) out.puts("        OR      s2,s0\n");
    if (o.n >= 2) out.puts("        OR      s3,s2\n        OR      s3,s1\n");
    out << "        JUMP    Z," << Label{done} << '\n';
  } else {
    out.puts("        ; logical and\n");
    byteOps(o.n, "        OR      s2,s2\n", "        OR      s2,s3\n");
    out << "        JUMP    Z," << Label{done} << '\n';
    out.puts("        LOAD    s2,00\n");
    byteOps(o.n, "        OR      s0,s0\n", "        OR      s0,s1\n");
    out << "        JUMP    Z," << Label{done} << '\n';
  }
  out.puts("        LOAD    s2,01\n");
  putLabel(done);
  typ = TYP_UNSIGNED | TYP_CHAR;
}
