// Operand translation: variables, numbers, casts, dereference and address-of.
#include "codegen/emit.h"
#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

// An expression class with no translation of its own writes an empty line
// (and has address 0).
void Expr::Translate() { out.puts("\n"); }

int Expr::GetAddr() {
  out.puts("\n");
  return 0;
}

// Loads the variable into pair `reg` (1: s2/s3, 0: s0/s1).
void Var::load(int reg) {
  unsigned lo = unsigned(2 * reg), hi = lo + 1;
  out << "        ; variable " << name() << '\n';
  if (typ & TYP_FUNCTION) Chyba("function is called without parameter", this);
  if (typ & TYP_ARRAY) {
    // The value of an array is its address; from here on it is a pointer.
    typ = (typ & ~TYP_ARRAY) | TYP_POINTER;
    if (typ & TYP_STATIC) {
      out << "        LOAD    " << Reg{lo} << ',' << Hex2{unsigned(adr) & 0xFF} << '\n';
    } else if (typ & TYP_AUTO) {
      out << "        LOAD    " << Reg{lo} << ',' << Hex2{unsigned(adr) & 0xFF} << '\n';
      out << "        ADD     " << Reg{lo} << ",sE\n";
    }
    return;
  }
  int n = typeSize(typ);
  if (typ & TYP_STATIC) {
    if (n >= 1) out << "        FETCH   " << Reg{lo} << ',' << Hex2{unsigned(adr) & 0xFF} << '\n';
    if (n >= 2) out << "        FETCH   " << Reg{hi} << ',' << Hex2{unsigned(adr + 1) & 0xFF} << '\n';
  } else if (typ & TYP_AUTO) {
    if (n >= 1) {
      out.puts("        LOAD    sD,sE\n");
      if (adr > 0) out << "        ADD     sD," << Hex2{unsigned(adr)} << '\n';
      else if (adr < 0) out << "        SUB     sD," << Hex2{0u - unsigned(adr)} << '\n';
      out << "        FETCH   " << Reg{lo} << ",(sD)\n";
    }
    if (n >= 2) out << "        ADD     sD,01\n        FETCH   " << Reg{hi} << ",(sD)\n";
  }
}

void Var::Translate() { load(1); }
void Var::TranslateSimple() { load(0); }

int Var::GetAddr() {
  out.puts("        ; store variable\n");
  return adr;
}

// Loads the number, high byte first for a two-byte type.
static void loadNumber(const Numb* n, unsigned lo) {
  out << "        ; constant " << n->value << '\n';
  int base = n->typ & TYP_BASE;
  unsigned v = unsigned(n->value);
  if (base == TYP_SHORT || base == TYP_INT) out << "        LOAD    " << Reg{lo + 1} << ',' << Hex2{(v >> 8) & 0xFF} << '\n';
  out << "        LOAD    " << Reg{lo} << ',' << Hex2{v & 0xFF} << '\n';
}

void Numb::Translate() { loadNumber(this, 2); }
void Numb::TranslateSimple() { loadNumber(this, 0); }

void Type::Translate() {
  if (expr) expr->Translate();
  out.puts("        ; type conversion \n");
  CAST(1, expr ? expr->typ : 0, typ);
}

void Type::TranslateSimple() {
  if (expr) expr->TranslateSimple();
  out.puts("        ; type conversion \n");
  CAST(0, expr ? expr->typ : 0, typ);
}

void Deref::Translate() {
  if (!expr) return;
  expr->Translate();
  out.puts("        ; dereference\n");
  if (!(expr->typ & (TYP_POINTER | TYP_ARRAY))) Chyba("dereference needs pointer !", this);
  typ = expr->typ & ~(TYP_POINTER | TYP_ARRAY);
  int n = typeSize(typ);
  if (n == 1) out.puts("        FETCH   s2,(s2)\n");
  else if (n == 2)
    out.puts("        LOAD    s3,s2\n        FETCH   s2,(s3)\n        ADD     s3,01\n        FETCH   s3,(s3)\n");
}

void Deref::TranslateSimple() {
  if (!expr) return;
  expr->TranslateSimple();
  out.puts("        ; dereference\n");
  if (!(expr->typ & (TYP_POINTER | TYP_ARRAY))) Chyba("dereference must use pointer !", this);
  typ = expr->typ & ~(TYP_POINTER | TYP_ARRAY);
  int n = typeSize(typ);
  if (n == 1) out.puts("        FETCH   s0,(s0)\n");
  else if (n == 2)
    out.puts("        LOAD    s1,s0\n        FETCH   s0,(s1)\n        ADD     s1,01\n        FETCH   s1,(s1)\n");
}

// Checks that the operand has an address and records it; no instruction.
void Ref::TranslateTarget() {
  out.puts("        ; reference\n");
  if (as<Numb>(expr)) Chyba("reference to constant or writing to constant is not possible", this);
  Var* v = as<Var>(expr);
  if (!v) Chyba("attempt for reference of expression which has no reference", this);
  if (v->typ & TYP_ARRAY) Chyba("array has no reference", this);
  if (v->typ & TYP_CONST) Chyba("constant has no reference", this);
  if (v->typ & (TYP_FUNCTION | TYP_PROTOTYPE)) Chyba("function has no reference", this);
  adr = v->GetAddr();
  typ = v->typ | TYP_ARRAY;
}

// &x as a value: the address goes into s2 the way an array's address does,
// and the value is a pointer to x's type.
void Ref::Translate() {
  TranslateTarget();
  Var* v = static_cast<Var*>(expr);
  if (v->typ & TYP_STATIC) {
    out << "        LOAD    s2," << Hex2{unsigned(adr) & 0xFF} << '\n';
  } else if (v->typ & TYP_AUTO) {
    out << "        LOAD    s2," << Hex2{unsigned(adr) & 0xFF} << '\n';
    out.puts("        ADD     s2,sE\n");
  }
  typ = (typ & ~TYP_ARRAY) | TYP_POINTER;
}
