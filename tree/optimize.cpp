// Tree optimizer: constant folding, dead code removal, stack adjustment merging.
//
// Every node optimizes its children first, stores each result back into the
// field it came from, and returns the node that replaces it.  Nodes that are
// dropped stay in the node arena, which frees them at the end of the run.
#include <climits>
#include <vector>

#include "tree/strom.h"

namespace {

template <class T>
void optimizeField(T*& field) {
  if (field) field = static_cast<T*>(field->Optimize());
}

bool isNumb(Node* node) { return node && as<Numb>(node); }
int valueOf(Node* node) { return as<Numb>(node)->value; }

// 32-bit wrap-around arithmetic without undefined behaviour.
int wrap(unsigned value) { return int(value); }

Numb* numbAt(int value, const Node* position) {
  Numb* n = new Numb(value);
  n->copyInfo(position);
  return n;
}

// Does `s` hold a break or continue that leaves the loop whose body it is?
// Jumps inside an inner loop belong to that loop; a break inside an inner
// switch belongs to the switch, a continue there to this loop.
bool jumpsOutOfLoop(Node* s, bool inSwitch) {
  if (!s) return false;
  if (as<Break>(s)) return !inSwitch;
  if (as<Continue>(s)) return true;
  if (auto* list = as<StatmList>(s)) {
    for (;;) {
      if (jumpsOutOfLoop(list->first, inSwitch)) return true;
      auto* rest = as<StatmList>(list->rest);
      if (!rest) return jumpsOutOfLoop(list->rest, inSwitch);
      list = rest;
    }
  }
  if (auto* sync = as<StackSync>(s)) return jumpsOutOfLoop(sync->statm, inSwitch);
  if (auto* i = as<If>(s)) return jumpsOutOfLoop(i->thenStatm, inSwitch) || jumpsOutOfLoop(i->elseStatm, inSwitch);
  if (auto* sw = as<Switch>(s)) {
    for (Case* c = sw->cases; c; c = c->next)
      if (jumpsOutOfLoop(c->body, true)) return true;
  }
  return false;  // loops own their jumps; other statements hold none
}

}  // namespace

// Folds l op r; false when the operation has no defined constant result
// (division or remainder by zero), so that the node is left for translation.
bool foldOperation(Operator op, int l, int r, int& result) {
  unsigned ul = unsigned(l), ur = unsigned(r);
  switch (op) {
    case OP_MUL: result = wrap(ul * ur); return true;
    case OP_DIV:
      if (r == 0) return false;
      result = (l == INT_MIN && r == -1) ? INT_MIN : l / r;
      return true;
    case OP_MOD:
      if (r == 0) return false;
      result = r == -1 ? 0 : l % r;
      return true;
    case OP_ADD: result = wrap(ul + ur); return true;
    case OP_SUB: result = wrap(ul - ur); return true;
    case OP_SHL: result = wrap(ul << (ur & 31)); return true;
    case OP_SHR: result = l >> (r & 31); return true;
    case OP_LT: result = l < r; return true;
    case OP_LE: result = l <= r; return true;
    case OP_GT: result = l > r; return true;
    case OP_GE: result = l >= r; return true;
    case OP_EQ: result = l == r; return true;
    case OP_NE: result = l != r; return true;
    case OP_AND: result = l & r; return true;
    case OP_XOR: result = l ^ r; return true;
    case OP_OR: result = l | r; return true;
    case OP_LOR: result = l != 0 || r != 0; return true;
    case OP_LAND: result = l != 0 && r != 0; return true;
    default: return false;
  }
}

Node* BinOp::Optimize() {
  optimizeField(left);
  optimizeField(right);
  bool l = isNumb(left), r = isNumb(right);
  if (l && r) {
    int result;
    if (op <= OP_LAND && foldOperation(op, valueOf(left), valueOf(right), result)) return numbAt(result, this);
    return this;
  }
  int constant;
  if (l && right) constant = valueOf(left);
  else if (r && left) constant = valueOf(right);
  else return this;
  if (op == OP_LOR && constant != 0) return new Numb(1);
  if (op == OP_LAND && constant == 0) return new Numb(0);
  return this;
}

Node* UnaryExpr::Optimize() {
  optimizeField(expr);
  return this;
}

Node* LogNeg::Optimize() {
  optimizeField(expr);
  if (isNumb(expr)) return numbAt(!valueOf(expr), this);
  return this;
}

Node* BitNeg::Optimize() {
  optimizeField(expr);
  if (isNumb(expr)) return numbAt(~valueOf(expr), this);
  return this;
}

Node* UnMinus::Optimize() {
  optimizeField(expr);
  if (isNumb(expr)) return numbAt(wrap(0u - unsigned(valueOf(expr))), this);
  return this;
}

Node* Ref::Optimize() {
  optimizeField(expr);
  if (auto* d = as<Deref>(expr))
    if (d->expr) return d->expr;  // &*p is p, &a[i] is a + i
  return this;
}

Node* VyrazStat::Optimize() {
  optimizeField(expr);
  return this;
}

Node* Return::Optimize() {
  optimizeField(expr);
  return this;
}

Node* If::Optimize() {
  optimizeField(cond);
  optimizeField(thenStatm);
  optimizeField(elseStatm);
  if (!isNumb(cond)) return this;
  Statm* chosen = valueOf(cond) ? thenStatm : elseStatm;
  if (chosen) chosen->copyInfo(this);
  return chosen;
}

Node* While::Optimize() {
  optimizeField(cond);
  optimizeField(body);
  if (isNumb(cond) && valueOf(cond) == 0) {
    Empty* empty = new Empty;
    empty->copyInfo(this);
    return empty;
  }
  return this;
}

Node* DoWhile::Optimize() {
  optimizeField(cond);
  optimizeField(body);
  // do s; while (0); runs s once, unless s jumps out of this very loop.
  if (isNumb(cond) && valueOf(cond) == 0 && !jumpsOutOfLoop(body, false)) return body;
  return this;
}

Node* For::Optimize() {
  optimizeField(init);
  optimizeField(cond);
  optimizeField(step);
  optimizeField(body);
  if (!isNumb(cond) || valueOf(cond) != 0) return this;
  if (!init) return nullptr;
  VyrazStat* s = new VyrazStat(init);
  s->copyInfo(this);
  return s;
}

Node* Case::Optimize() {
  // The chain can be long: walk it instead of recursing through `next`.
  for (Case* c = this; c; c = c->next) {
    optimizeField(c->value);
    optimizeField(c->body);
  }
  return this;
}

Node* Switch::Optimize() {
  optimizeField(expr);
  optimizeField(cases);
  return this;
}

// Statement sequences are right-nested lists that can be very long, so the
// list is walked with a loop: first every item is optimized in order, then
// the list nodes are rebuilt from the end, dropping empty statements and
// everything after a jump.  Nested lists share one stack of list nodes,
// each working above the part its enclosing lists hold.
Node* StatmList::Optimize() {
  static std::vector<StatmList*> lists;
  size_t start = lists.size();
  for (StatmList* l = this;;) {
    lists.push_back(l);
    optimizeField(l->first);
    auto* next = as<StatmList>(l->rest);
    if (!next) break;
    l = next;
  }
  optimizeField(lists.back()->rest);
  Statm* result = nullptr;
  for (size_t i = lists.size(); i-- > start;) {
    StatmList* l = lists[i];
    if (i + 1 < lists.size()) l->rest = result;
    if (!l->first || as<Empty>(l->first)) {
      result = l->rest;
    } else if (as<Break>(l->first) || as<Continue>(l->first) || as<Return>(l->first)) {
      l->rest = nullptr;
      result = l->first;
    } else {
      result = l;
    }
  }
  lists.resize(start);
  return result;
}

Node* StackSync::Optimize() {
  if (!statm) return this;
  optimizeField(statm);
  if (auto* inner = as<StackSync>(statm)) {
    inner->stack += stack;
    return inner;
  }
  return this;
}

Node* FunctList::Optimize() {
  for (FunctList* f = this; f; f = as<FunctList>(f->next)) optimizeField(f->body);
  return this;
}

Node* Prog::Optimize() {
  optimizeField(functs);
  return this;
}
