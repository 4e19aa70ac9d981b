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

void markSourceLine(Statm* statm) {
  // Lists and stack adjustments only hold statements; those get the mark.
  if (as<StatmList>(statm) || as<StackSync>(statm) || as<Empty>(statm)) return;
  const SourcePos& at = statm->begin;
  if (at.line <= 0 || (at.line == markedLine && at.file == markedFile)) return;
  markedFile = at.file;
  markedLine = at.line;
  out.printf(";@ %s:%d\n", at.file, at.line);
}

void translateStatm(Statm* statm) {
  if (!statm) return;
  if (emitSourceLines) markSourceLine(statm);
  statm->Translate();
}

void StatmList::Translate() {
  // Sequences are long right-nested lists: walk them instead of recursing.
  for (StatmList* l = this;;) {
    translateStatm(l->first);
    StatmList* next = as<StatmList>(l->rest);
    if (!next) {
      translateStatm(l->rest);
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
  translateStatm(statm);
}

void If::Translate() {
  int elseLabel = NewLabel();
  int exitLabel = NewLabel();
  if (cond) conditionTest(cond, "Z", elseLabel);
  translateStatm(thenStatm);
  out.printf("        JUMP    label_%d\n", exitLabel);
  putLabel(elseLabel);
  translateStatm(elseStatm);
  putLabel(exitLabel);
}

void While::Translate() {
  LoopTargets saved;
  ActStartLoop = NewLabel();
  ActEndLoop = NewLabel();
  putLabel(ActStartLoop);
  if (cond && !alwaysTrue(cond)) conditionTest(cond, "Z", ActEndLoop);
  translateStatm(body);
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
  translateStatm(body);
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
  translateStatm(body);
  putLabel(ActStartLoop);
  if (alwaysTrue(cond)) out.printf("        JUMP    label_%d\n", top);
  else if (cond) conditionTest(cond, "NZ", top);
  putLabel(ActEndLoop);
}

void Case::Translate() {
  translateStatm(body);
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
    translateStatm(c->body);
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
