// Statement translation: sequences, conditions, loops, switch and jumps.
#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {

// The source line the last ";@" comment named (-g).
const char* markedFile = nullptr;
int markedLine = 0;

int ActStartLoop = -1;  // continue target of the innermost loop
int ActEndLoop = -1;    // break target of the innermost loop or switch

// Saves the loop targets and puts them back when the construct ends.
struct LoopTargets {
  int start = ActStartLoop, end = ActEndLoop;
  ~LoopTargets() {
    ActStartLoop = start;
    ActEndLoop = end;
  }
};

// Translates the condition and jumps on its value (Z: when zero).
void conditionTest(Expr* cond, const char* condition, int label) {
  cond->Translate();
  int n = typeSize(cond->typ);
  if (n == 0) return;
  out.puts(n == 1 ? "        OR      s2,s2\n" : "        OR      s2,s3\n");
  out.printf("        JUMP    %s,label_%d\n", condition, label);
}

bool alwaysTrue(Expr* cond) {
  Numb* n = as<Numb>(cond);
  return n && n->value != 0;
}

void stackAdjust(int stack) {
  if (stack > 0) out.printf("        ADD     sF,%02X ;stack_sync\n", unsigned(stack));
  else if (stack < 0) out.printf("        SUB     sF,%02X ;stack_sync\n", 0u - unsigned(stack));
}

// Translates an expression whose value nobody reads.
void translateDropped(Expr* e) {
  e->valueUnused = true;
  e->Translate();
}

}  // namespace

void resetStatementState() {
  markedFile = nullptr;
  markedLine = 0;
  ActStartLoop = ActEndLoop = ActReturnLoop = -1;
}

bool emitSourceLines = false;

void markSourceLine(const Statm* statm) {
  const SourcePos& at = statm->begin;
  if (at.line <= 0 || (at.line == markedLine && at.file == markedFile)) return;
  markedFile = at.file;
  markedLine = at.line;
  out.printf(";@ %s:%d\n", at.file, at.line);
}

void StatmList::Translate() {
  // Sequences are long right-nested lists: walk them instead of recursing.
  for (StatmList* l = this;;) {
    if (l->first) {
      if (emitSourceLines) markSourceLine(l->first);
      l->first->Translate();
    }
    StatmList* next = as<StatmList>(l->rest);
    if (!next) {
      if (l->rest) l->rest->Translate();
      return;
    }
    l = next;
  }
}

void VyrazStat::Translate() {
  if (expr) translateDropped(expr);
}

void StackSync::Translate() {
  stackAdjust(stack);
  if (statm) statm->Translate();
}

void If::Translate() {
  int elseLabel = NewLabel();
  int exitLabel = NewLabel();
  if (cond) conditionTest(cond, "Z", elseLabel);
  if (thenStatm) thenStatm->Translate();
  out.printf("        JUMP    label_%d\n", exitLabel);
  putLabel(elseLabel);
  if (elseStatm) elseStatm->Translate();
  putLabel(exitLabel);
}

void While::Translate() {
  LoopTargets saved;
  ActStartLoop = NewLabel();
  ActEndLoop = NewLabel();
  putLabel(ActStartLoop);
  if (cond && !alwaysTrue(cond)) conditionTest(cond, "Z", ActEndLoop);
  if (body) body->Translate();
  out.printf("        JUMP    label_%d\n", ActStartLoop);
  putLabel(ActEndLoop);
}

void For::Translate() {
  LoopTargets saved;
  ActStartLoop = NewLabel();
  ActEndLoop = NewLabel();
  if (init) translateDropped(init);
  putLabel(ActStartLoop);
  if (cond && !alwaysTrue(cond)) conditionTest(cond, "Z", ActEndLoop);
  if (body) body->Translate();
  if (step) translateDropped(step);
  out.printf("        JUMP    label_%d\n", ActStartLoop);
  putLabel(ActEndLoop);
}

void DoWhile::Translate() {
  int top = NewLabel();
  LoopTargets saved;
  ActStartLoop = NewLabel();
  ActEndLoop = NewLabel();
  putLabel(top);
  if (body) body->Translate();
  putLabel(ActStartLoop);
  if (alwaysTrue(cond)) out.printf("        JUMP    label_%d\n", top);
  else if (cond) conditionTest(cond, "NZ", top);
  putLabel(ActEndLoop);
}

void Case::Translate() {
  if (body) body->Translate();
}

void Switch::Translate() {
  LoopTargets saved;
  ActEndLoop = NewLabel();
  if (!expr) Chyba("empty expression in switch", this);
  expr->Translate();
  int t = expr->typ;
  int n = typeSize(t);
  int base = NewLabel();
  for (Case* c = cases; c; c = c->next) {
    if (!c->value) {
      out.printf("        JUMP    label_%d ;default\n", base);
      continue;
    }
    c->value->TranslateSimple();
    CAST(0, c->value->typ, t);
    if (n >= 1) out.puts("        SUB     s0,s2\n");
    if (n >= 2) out.puts("        SUBCY    s1,s3\n        OR      s0,s1\n");
    if (n >= 1)
      out.printf("        JUMP    Z,label_%d_%u ;case %02X\n", base, unsigned(c->value->value),
                 unsigned(c->value->value));
  }
  for (Case* c = cases; c; c = c->next) {
    if (c->value) out.printf("label_%d_%u:\n", base, unsigned(c->value->value));
    else putLabel(base);
    if (c->body) c->body->Translate();
  }
  putLabel(ActEndLoop);
}

void Break::Translate() {
  stackAdjust(stack);
  out.printf("        JUMP    label_%d ;break\n", ActEndLoop);
}

void Continue::Translate() {
  stackAdjust(stack);
  out.printf("        JUMP    label_%d ;continue\n", ActStartLoop);
}

void Return::Translate() {
  if (expr) expr->Translate();
  out.printf("        JUMP    label_%d ;return\n", ActReturnLoop);
}
