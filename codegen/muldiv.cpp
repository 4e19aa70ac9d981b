// Multiply, divide and modulo: calls of the runtime routines, with the sign
// handling of signed division around the call.
#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

bool mult1616, mult1515, mult1615, mult1516, mult88, mult77, mult87, mult78, div88, div1616;

namespace {

bool isSigned(int typ) { return !(typ & TYP_UNSIGNED); }

int withBase(int typ, int base) { return (typ & ~(TYP_BASE | TYP_UNSIGNED)) | base; }

void callRoutine(const char* routine, bool& flag) {
  out << "        CALL    " << routine << '\n';
  flag = true;
}

// Takes the absolute value of pair 1 (s2/s3) or pair 0 (s0/s1); when
// `toggles`, a negative value flips the sign flag in sD.
void absoluteValue(int n, bool pair1, bool toggles) {
  int label = NewLabel();
  if (n == 1) {
    out << "        TEST    " << (pair1 ? "s2" : "s0") << ",80\n";
    out << "        JUMP    Z," << Label{label} << '\n';
    out.puts(pair1 ? "        XOR     s2,FF\n        ADD     s2,01\n" : "        XOR     s0,FF\n        ADD     s0,01\n");
  } else {
    out << "        TEST    " << (pair1 ? "s3" : "s1") << ",80\n";
    out << "        JUMP    Z," << Label{label} << '\n';
    out.puts(pair1 ? "        XOR     s2,FF\n        XOR     s3,FF\n        ADD     s2,01\n        ADDCY    s3,00\n"
                   : "        XOR     s0,FF\n        XOR     s1,FF\n        ADD     s0,01\n        ADDCY    s1,00\n");
  }
  if (toggles) out.puts("        XOR     sD,01\n");
  putLabel(label);
}

// Negates the result when the sign flag says so.
void restoreSign(int n) {
  int label = NewLabel();
  out.puts(n == 1 ? "        AND     s2,7F\n" : "        AND     s3,7F\n");
  out.puts("        TEST    sD,01\n");
  out << "        JUMP    Z," << Label{label} << '\n';
  out.puts(n == 1 ? "        XOR     s2,FF\n        ADD     s2,01\n"
                  : "        XOR     s2,FF\n        XOR     s3,FF\n        ADD     s2,01\n        ADDCY    s3,00\n");
  putLabel(label);
}

}  // namespace

void BinOp::multiply(const Operands& o) {
  out.puts("        ; multiply\n");
  if (o.n == 0) return;
  bool ls = isSigned(o.leftType), rs = isSigned(o.rightType);
  if (!ls && !rs) {
    if (o.n == 1) callRoutine("mult8x8", mult88);
    else callRoutine("mult16x16", mult1616);
    typ = withBase(typ, TYP_UNSIGNED | TYP_INT);
    return;
  }
  if (ls && rs) {
    if (o.n == 1) callRoutine("mult7x7", mult77);
    else callRoutine("mult15x15", mult1515);
  } else {
    bool signedInPair1 = ls != o.stacked;
    if (o.n == 1) {
      if (signedInPair1) {
        callRoutine("mult8x7", mult87);
        mult78 = true;  // mult8x7 continues into mult7x8
      } else {
        callRoutine("mult7x8", mult78);
      }
    } else if (signedInPair1) {
      callRoutine("mult15x16", mult1516);
    } else {
      callRoutine("mult16x15", mult1615);
      mult1516 = true;  // mult16x15 continues into mult15x16
    }
  }
  typ = withBase(typ, TYP_INT);
}

void BinOp::divide(const Operands& o) {
  bool modulo = op == OP_MOD;
  out.puts(modulo ? "        ; modulo\n" : "        ; divide\n");
  int n = o.n;
  if (n == 0) return;
  if (o.stacked) {  // dividend into pair 1, divisor into pair 0
    out.puts("        LOAD    sD,s0\n        LOAD    s0,s2\n        LOAD    s2,sD\n");
    if (n >= 2) out.puts("        LOAD    sD,s1\n        LOAD    s1,s3\n        LOAD    s3,sD\n");
  }
  bool ls = isSigned(o.leftType), rs = isSigned(o.rightType);
  if (!ls && !rs) {
    if (n == 1) {
      callRoutine("div8x8", div88);
      if (modulo) out.puts("        LOAD    s2,s3\n");
      typ = withBase(typ, TYP_UNSIGNED | TYP_CHAR);
    } else {
      callRoutine("div16x16", div1616);
      if (modulo) out.puts("        LOAD    s2,s4\n        LOAD    s3,s5\n");
      typ = withBase(typ, TYP_UNSIGNED | TYP_INT);
    }
    return;
  }
  out.puts("        LOAD    sD,00\n");
  if (ls) absoluteValue(n, true, true);  // the remainder takes the dividend's sign
  if (rs) absoluteValue(n, false, !modulo);
  if (n == 1) {
    callRoutine("div8x8", div88);
    if (modulo) out.puts("        LOAD    s2,s3\n");
  } else {
    // div16x16 counts in sD: keep the sign flag on the stack meanwhile.
    out.puts("        SUB     sF,01\n        STORE   sD,(sF)\n");
    callRoutine("div16x16", div1616);
    out.puts("        FETCH   sD,(sF)\n        ADD     sF,01\n");
    if (modulo) out.puts("        LOAD    s2,s4\n        LOAD    s3,s5\n");
  }
  restoreSign(n);
  // A one-byte quotient or remainder is a signed char: s3 holds nothing.
  typ = withBase(typ, n == 1 ? TYP_CHAR : TYP_INT);
}
