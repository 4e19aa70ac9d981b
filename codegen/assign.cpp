// Assignment, the comma operator and function calls.
#include <string>

#include "codegen/emit.h"
#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

// Stores the value in one of four ways, chosen by the shape of the target
// once its address-of has been folded: a named variable, the first element
// of an array, the element at a simple address, or at a computed address.
void BinOp::assign() {
  if (!right) Chyba("missing right sight of an assignment", this);
  if (!left) Chyba("missing left sight of an assignment", this);
  right->Translate();
  int valueType = right->typ;
  int k = typeSize(valueType);
  Ref* ref = new Ref(left);
  ref->copyInfo(left);
  Expr* target = static_cast<Expr*>(ref->Optimize());
  left = target;
  if (Ref* r = as<Ref>(target)) {
    out.puts("        ; store directly\n");
    r->TranslateTarget();
    int t = r->expr->typ;
    if ((t & TYP_POINTER) && !(valueType & TYP_POINTER)) Chyba("pointer can be assigned only by pointer", this);
    typ = CAST(1, valueType, t);
    STOREC(1, t, r->adr, t);
    return;
  }
  Var* array = as<Var>(target);
  if (array && (array->typ & TYP_ARRAY)) {
    out.puts("        ; store directly array\n");
    int a = array->typ & ~TYP_ARRAY;
    typ = CAST(1, valueType, a);
    STOREC(1, a, array->adr, a);
    return;
  }
  if (target->IsSimple()) {
    out.puts("        ; store simple\n");
    target->TranslateSimple();
    int e = target->typ & ~(TYP_POINTER | TYP_ARRAY);
    typ = CAST(1, valueType, e);
    // Pair 1 still holds the value; a dropped value gets the usual tail.
    if (STORE(1, e) >= 1 && valueUnused) out.puts("        LOAD    s2,s0\n");
    return;
  }
  out << "        ; store standardly " << Hex2{unsigned(k)} << " byte(s)\n";
  PUSH(k);
  target->Translate();
  POP(k);
  int e = target->typ & ~(TYP_POINTER | TYP_ARRAY);
  typ = CAST(0, valueType, e);
  int stored = STORE(0, e);
  if (!valueUnused) {  // the value of the assignment belongs in pair 1
    if (stored >= 1) out.puts("        LOAD    s2,s0\n");
    if (stored >= 2) out.puts("        LOAD    s3,s1\n");
  }
}

void BinOp::comma() {
  if (left) {
    left->valueUnused = true;
    left->Translate();
    typ = left->typ;
  }
  if (right) {
    right->valueUnused = valueUnused;
    right->Translate();
    typ = right->typ;
  }
}

// Pushes the arguments last first, each widened to its parameter's type,
// calls, and removes them again.
void BinOp::call() {
  if (!left) return;
  Var* callee = static_cast<Var*>(left);
  TypeList* params = paramPromKonst(callee->name());
  if (params) {
    if (!right) Chyba("function is called without defined parameters", this);
    int declared = params->ParameterCount(), given = right->ParameterCount();
    if (declared != given) {
      std::string text = "function with " + std::to_string(declared) + " parameter(s) is called with " +
                         std::to_string(given) + " parameter(s)";
      Chyba(text.c_str(), this);
    }
    Expr* current = right;
    for (TypeList* p = params; current && p; p = p->dalsi) {
      Expr* argument = current;
      BinOp* comma = as<BinOp>(current);
      if (comma && comma->op == OP_COMMA) {
        if (!comma->right) Chyba("empty parameter of function", this);
        argument = comma->right;
        current = comma->left;
      }
      argument->Translate();
      CAST(1, argument->typ, p->typ);
      PUSH(typeSize(p->typ));
    }
  }
  out << "        CALL    _" << callee->name() << '\n';
  if (params) out << "        ADD     sF," << Hex2{unsigned(params->SizeCount())} << '\n';
  typ = callee->typ;
}
