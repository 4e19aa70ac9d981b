// Statement translation: sequences, conditions, loops, switch and jumps.
#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {

// The source line the last ";@" comment named (-g).
uint32_t markedFile = 0;
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
  out << "        JUMP    " << condition << ',' << Label{label} << '\n';
}

bool alwaysTrue(Expr* cond) {
  Numb* n = as<Numb>(cond);
  return n && n->value != 0;
}

void stackAdjust(int stack) {
  if (stack > 0) out << "        ADD     sF," << Hex2{unsigned(stack)} << " ;stack_sync\n";
  else if (stack < 0) out << "        SUB     sF," << Hex2{0u - unsigned(stack)} << " ;stack_sync\n";
}

// Translates an expression whose value nobody reads.
void translateDropped(Expr* e) {
  e->valueUnused = true;
  e->Translate();
}

}  // namespace

void resetStatementState() {
  markedFile = 0;
  markedLine = 0;
  ActStartLoop = ActEndLoop = ActReturnLoop = -1;
}

bool emitSourceLines = false;

void markSourceLine(Statm* statm) {
  // Lists and stack adjustments only hold statements; those get the mark.
  if (as<StatmList>(statm) || as<StackSync>(statm) || as<Empty>(statm)) return;
  const SourcePos& at = statm->begin;
  if (at.line <= 0 || (at.line == markedLine && at.fileId == markedFile)) return;
  markedFile = at.fileId;
  markedLine = at.line;
  out << ";@ " << at.file() << ':' << at.line << '\n';
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
  out << "        JUMP    " << Label{exitLabel} << '\n';
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
  out << "        JUMP    " << Label{ActStartLoop} << '\n';
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
  out << "        JUMP    " << Label{ActStartLoop} << '\n';
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
  if (alwaysTrue(cond)) out << "        JUMP    " << Label{top} << '\n';
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
      out << "        JUMP    " << Label{base} << " ;default\n";
      continue;
    }
    c->value->TranslateSimple();
    CAST(0, c->value->typ, t);
    if (n >= 1) out.puts("        SUB     s0,s2\n");
    if (n >= 2) out.puts("        SUBCY    s1,s3\n        OR      s0,s1\n");
    unsigned value = unsigned(c->value->value);
    if (n >= 1) out << "        JUMP    Z," << Label{base} << '_' << value << " ;case " << Hex2{value} << '\n';
  }
  for (Case* c = cases; c; c = c->next) {
    if (c->value) out << Label{base} << '_' << unsigned(c->value->value) << ":\n";
    else putLabel(base);
    translateStatm(c->body);
  }
  putLabel(ActEndLoop);
}

void Break::Translate() {
  stackAdjust(stack);
  out << "        JUMP    " << Label{ActEndLoop} << " ;break\n";
}

void Continue::Translate() {
  stackAdjust(stack);
  out << "        JUMP    " << Label{ActStartLoop} << " ;continue\n";
}

void Return::Translate() {
  if (expr) expr->Translate();
  out << "        JUMP    " << Label{ActReturnLoop} << " ;return\n";
}
