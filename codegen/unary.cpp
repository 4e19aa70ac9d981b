// Unary operators.
#include <algorithm>

#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {
Numb* one(const Node* position) {
  Numb* n = new Numb(1);
  n->copyInfo(position);
  return n;
}
}  // namespace

namespace {
constexpr int kMaxDuplication = 8;

// The number of operators that duplicate their target, nested one inside
// the target of the other, on the worst path through e.
int duplicationDepth(Expr* e) {
  if (!e) return 0;
  if (auto* b = as<BinOp>(e)) {
    int left = duplicationDepth(b->left);
    if (b->op >= OP_MUL_ASSIGN && b->op <= OP_OR_ASSIGN) left++;
    return std::max(left, duplicationDepth(b->right));
  }
  if (auto* s = dynamic_cast<StepExpr*>(e)) return 1 + duplicationDepth(s->expr);
  if (auto* u = dynamic_cast<UnaryExpr*>(e)) return duplicationDepth(u->expr);
  if (auto* t = as<Type>(e)) return duplicationDepth(t->expr);
  return 0;
}
}  // namespace

void checkDuplication(Expr* target, const Node* at) {
  if (1 + duplicationDepth(target) > kMaxDuplication) Chyba("expression is too complex", at);
}

// ++x is x = x + 1; x++ is (x = x + 1) - 1, the old value recomputed from
// the new one.  The value side reads its own copy of x.
void StepExpr::Translate() {
  out.puts(comment);
  if (!expr) return;
  checkDuplication(expr, this);
  BinOp* step = new BinOp(increments ? OP_ADD : OP_SUB, expr->clone(), one(this));
  step->copyInfo(this);
  BinOp* store = new BinOp(OP_ASSIGN, expr, step);
  store->copyInfo(this);
  store->valueUnused = valueUnused;
  Expr* tree = store;
  if (postfix) {
    tree = new BinOp(increments ? OP_SUB : OP_ADD, store, one(this));
    tree->copyInfo(this);
  }
  tree = static_cast<Expr*>(tree->Optimize());
  tree->Translate();
  typ = tree->typ;
}

void LogNeg::Translate() {
  out.puts("        ; logical neg \n");
  if (!expr) return;
  expr->Translate();
  typ = expr->typ;
  int n = typeSize(typ);
  if (n >= 1) out.puts("        OR      s2,s2\n");
  if (n >= 2) out.puts("        OR      s2,s3\n");
  if (n >= 1) {
    int label = NewLabel();
    out << "        JUMP    Z," << Label{label} << '\n';
    out.puts("        LOAD    s2,01\n");
    putLabel(label);
    out.puts("        XOR     s2,01\n");
  }
  typ = TYP_UNSIGNED | TYP_CHAR;
}

void BitNeg::Translate() {
  out.puts("        ; bit neg\n");
  if (!expr) return;
  expr->Translate();
  typ = expr->typ;
  if (typ & TYP_POINTER) Chyba("bit negation with pointer is not possible", this);
  int n = typeSize(typ);
  if (n >= 1) out.puts("        XOR     s2,FF\n");
  if (n >= 2) out.puts("        XOR     s3,FF\n");
}

void UnMinus::Translate() {
  out.puts("        ; unary minus\n");
  if (!expr) return;
  expr->Translate();
  typ = expr->typ;
  if (typ & TYP_POINTER) Chyba("unary minus with pointer", this);
  int n = typeSize(typ);
  if (n >= 1) out.puts("        XOR     s2,FF\n");
  if (n >= 2) out.puts("        XOR     s3,FF\n");
  if (n >= 1) out.puts("        ADD     s2,01\n");
  if (n >= 2) out.puts("        ADDCY    s3,00\n");
  typ &= ~TYP_UNSIGNED;
}
