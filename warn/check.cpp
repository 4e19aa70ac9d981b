// The tree walk behind the warnings.  Each expression is visited once,
// bottom up, and yields what the code generator will make of it (type,
// folded value, side effects); each check compares that with what the same
// C would compute and records a finding where they can differ.
#include "warn/check.h"

#include <string>

#include "symbols/tabsym.h"
#include "warn/types.h"

namespace {

struct Value {
  int type = 0;
  bool constant = false;  // the optimizer folds it to `number`
  int number = 0;
  bool sideEffect = false;  // a call, assignment, ++ or -- is evaluated
  // A one-byte +, -, << or a - or ~ of an unsigned byte: it wraps at eight
  // bits where C, promoting to int, would not.
  bool wraps = false;
  bool nonNegative = false;  // signed by type, but cannot be negative
};

Value constantValue(int number) {
  Value v;
  v.type = numberType(number);
  v.constant = true;
  v.number = number;
  return v;
}

// What an assignment or step writes to.
struct Place {
  int type = 0;             // as declared (a variable) or the element type
  bool sideEffect = false;  // computing the place changes something
  bool throughNonPointer = false;  // *x or x[i] with x neither pointer nor array
};

bool mayBeNegative(const Value& v) {
  if (v.type & TYP_UNSIGNED || isPointerType(v.type) || v.nonNegative) return false;
  return !(v.constant && v.number >= 0);
}

// An unsigned int that C does not promote: a constant is an int in C.
bool isUnsignedInt(const Value& v) {
  return !v.constant && typeSize(v.type) == 2 && (v.type & TYP_UNSIGNED) && !isPointerType(v.type);
}

bool isCompound(Operator op) { return op >= OP_MUL_ASSIGN && op <= OP_OR_ASSIGN; }

// The sign bit at an operation width of one or two bytes.
int signBit(int width) { return width == 2 ? 0x8000 : 0x80; }

class Checker {
 public:
  explicit Checker(Findings& findings) : findings_(findings) {}

  void program(Prog* p);
  Value expression(Expr* e);

 private:
  Findings& findings_;
  int returnWidth_ = 0;  // of the function being walked; 0: not checked
  const char* function_ = "";

  void statement(Statm* s);
  void statementList(StatmList* list);
  void evaluate(Expr* e) {
    if (e) expression(e);
  }
  Value binary(BinOp* b);
  Value operation(BinOp* at, Operator op, const Value& l, const Value& r);
  Value assignment(BinOp* b);
  Value call(BinOp* b);
  Value step(StepExpr* s);
  Place target(Expr* e);
  Value unary(UnaryExpr* u);
  void widened(const Value& v, Expr* at, const std::string& how);
};

// Records a byte-arith finding when `v`, a wrapping one-byte operation,
// becomes a two-byte value.
void Checker::widened(const Value& v, Expr* at, const std::string& how) {
  if (!v.wraps) return;
  findings_.add(Warning::ByteArith, *at,
                std::string("this one-byte operation wraps at 8 bits before it is ") + how +
                    " (there is no promotion to int); widen an operand first: (int)a + b");
}

void Checker::program(Prog* p) {
  if (!p || !p->functs) return;
  for (FunctList* item = p->functs; item; item = as<FunctList>(item->next)) {
    returnWidth_ = 0;
    function_ = item->name;
    if (item->name[0] && std::string(item->name) != "main")  // main's value is never read
      if (PrvekTab* entry = hledejId(item->name, false)) returnWidth_ = typeSize(entry->typ);
    statement(item->body);
  }
}

void Checker::statementList(StatmList* list) {
  // Lists can be very long: walk along `rest` instead of recursing on it.
  for (;;) {
    statement(list->first);
    StatmList* next = as<StatmList>(list->rest);
    if (!next) break;
    list = next;
  }
  statement(list->rest);
}

void Checker::statement(Statm* s) {
  if (!s) return;
  if (auto* list = as<StatmList>(s)) return statementList(list);
  if (auto* sync = as<StackSync>(s)) return statement(sync->statm);
  if (auto* e = as<VyrazStat>(s)) return evaluate(e->expr);
  if (auto* i = as<If>(s)) {
    evaluate(i->cond);
    statement(i->thenStatm);
    return statement(i->elseStatm);
  }
  if (auto* w = as<While>(s)) {
    evaluate(w->cond);
    return statement(w->body);
  }
  if (auto* d = as<DoWhile>(s)) {
    statement(d->body);
    return evaluate(d->cond);
  }
  if (auto* f = as<For>(s)) {
    evaluate(f->init);
    evaluate(f->cond);
    evaluate(f->step);
    return statement(f->body);
  }
  if (auto* sw = as<Switch>(s)) {
    evaluate(sw->expr);
    for (Case* c = sw->cases; c; c = c->next) statement(c->body);
    return;
  }
  if (auto* r = as<Return>(s)) {
    if (!r->expr) return;
    Value v = expression(r->expr);
    if (typeSize(v.type) < returnWidth_) {
      findings_.add(Warning::ReturnWidth, *r->expr,
                    std::string("'") + function_ + "' returns two bytes but this value has " +
                        (typeSize(v.type) ? "one" : "none") +
                        ": the caller reads an unset high byte; write 'return (int)...'");
    }
    if (returnWidth_ == 2) widened(v, r->expr, "returned");
  }
}

Value Checker::expression(Expr* e) {
  if (!e) return Value();
  if (auto* n = as<Numb>(e)) return constantValue(n->value);
  if (auto* v = as<Var>(e)) {
    Value value;
    value.type = valueType(v->typ);
    return value;
  }
  if (auto* t = as<Type>(e)) {
    Value inner = expression(t->expr);
    if (typeSize(t->typ) == 2) widened(inner, t->expr, "cast to two bytes");
    Value value;
    value.type = t->typ;  // never folded
    value.sideEffect = inner.sideEffect;
    return value;
  }
  if (auto* b = as<BinOp>(e)) return binary(b);
  if (auto* s = dynamic_cast<StepExpr*>(e)) return step(s);
  if (auto* u = dynamic_cast<UnaryExpr*>(e)) return unary(u);
  return Value();
}

Value Checker::unary(UnaryExpr* u) {
  if (auto* r = as<Ref>(u)) {
    if (auto* d = as<Deref>(r->expr)) return expression(d->expr);  // &*p is p
    Value address;
    address.type = (expression(r->expr).type & ~TYP_ARRAY) | TYP_POINTER;
    return address;
  }
  Value inner = expression(u->expr);
  Value v;
  v.sideEffect = inner.sideEffect;
  bool unsignedByte = !inner.constant && typeSize(inner.type) == 1 && (inner.type & TYP_UNSIGNED) &&
                      !isPointerType(inner.type);
  if (as<Deref>(u)) {
    v.type = elementType(inner.type);
  } else if (as<LogNeg>(u)) {
    if (inner.constant) return constantValue(!inner.number);
    v.type = TYP_UNSIGNED | TYP_CHAR;
  } else if (as<BitNeg>(u)) {
    if (inner.constant) return constantValue(~inner.number);
    v.type = inner.type;
    v.wraps = unsignedByte;
  } else {  // unary minus
    if (inner.constant) return constantValue(int(0u - unsigned(inner.number)));
    v.type = inner.type & ~TYP_UNSIGNED;
    v.wraps = unsignedByte;
  }
  return v;
}

Value Checker::binary(BinOp* b) {
  if (b->op == OP_CALL) return call(b);
  if (b->op >= OP_ASSIGN && b->op <= OP_OR_ASSIGN) return assignment(b);
  Value l = expression(b->left);
  Value r = expression(b->right);
  if (b->op == OP_COMMA) {
    r.sideEffect = r.sideEffect || l.sideEffect;
    r.constant = false;
    return r;
  }
  return operation(b, b->op, l, r);
}

// The value of `l op r` as translated, with the checks of the operator
// itself; `at` is the node reported.
Value Checker::operation(BinOp* at, Operator op, const Value& l, const Value& r) {
  int folded;
  if (l.constant && r.constant && foldOperation(op, l.number, r.number, folded)) return constantValue(folded);
  if ((op == OP_LOR && ((l.constant && l.number) || (r.constant && r.number))) ||
      (op == OP_LAND && ((l.constant && !l.number) || (r.constant && !r.number))))
    return constantValue(op == OP_LOR);  // the other operand is never evaluated

  Value v;
  v.type = binaryType(op, l.type, r.type);
  v.sideEffect = l.sideEffect || r.sideEffect;
  int width = operationWidth(l.type, r.type);
  bool pointers = isPointerType(l.type) || isPointerType(r.type);
  std::string name = std::string("'") + operatorText(op) + "'";
  if (width == 2 && !pointers && op != OP_LAND && op != OP_LOR) {
    if (typeSize(l.type) == 1) widened(l, at->left, "widened for " + name);
    if (typeSize(r.type) == 1) widened(r, at->right, "widened for " + name);
  }
  switch (op) {
    case OP_ADD: case OP_SUB:
      v.wraps = width == 1 && !pointers;
      break;
    case OP_SHL:
      v.wraps = typeSize(l.type) == 1 && !pointers && !(r.constant && r.number == 0);
      break;
    case OP_SHR:
      if (mayBeNegative(l) && r.constant && r.number != 0)
        findings_.add(Warning::ShiftSigned, *at,
                      "'>>' shifts zeros into a signed value, so a negative one turns positive; "
                      "divide instead, or cast the operand to unsigned");
      break;
    case OP_AND:
      v.nonNegative = (r.constant && r.number >= 0 && r.number < signBit(width)) ||
                      (l.constant && l.number >= 0 && l.number < signBit(width));
      break;
    case OP_XOR:  // (a ^ 0x80) moves signed chars into unsigned order
      v.nonNegative = (r.constant && r.number == signBit(width)) || (l.constant && l.number == signBit(width));
      break;
    case OP_LT: case OP_LE: case OP_GT: case OP_GE: {
      // C compares unsigned as well when one side is an unsigned int.
      bool unsignedInC = isUnsignedInt(l) || isUnsignedInt(r);
      if (!pointers && !unsignedInC && (mayBeNegative(l) || mayBeNegative(r)))
        findings_.add(Warning::SignedCompare, *at,
                      name + " compares as unsigned, so a negative signed operand compares high; "
                             "make the operands unsigned, or compare (a ^ 0x80) " + operatorText(op) + " (b ^ 0x80)");
      break;
    }
    case OP_LAND: case OP_LOR:
      if (!l.constant && r.sideEffect)
        findings_.add(Warning::NoShortCircuit, *at,
                      "the right operand of " + name +
                          " has a side effect and is always evaluated (no short circuit); nest the tests instead");
      break;
    default:
      break;
  }
  return v;
}

// The place an assignment or step writes to, computed once.
Place Checker::target(Expr* e) {
  Place place;
  if (auto* d = as<Deref>(e)) {
    Value through = expression(d->expr);
    place.type = elementType(through.type);
    place.sideEffect = through.sideEffect;
    place.throughNonPointer = d->expr && !isPointerType(through.type);
    return place;
  }
  Value v = expression(e);
  place.type = v.type;
  place.sideEffect = v.sideEffect;
  if (auto* var = as<Var>(e)) place.type = var->typ;
  return place;
}

Value Checker::assignment(BinOp* b) {
  Place place = target(b->left);
  if (b->op == OP_ASSIGN && place.throughNonPointer)
    findings_.add(Warning::StoreNonPointer, *b->left,
                  "this stores through a value that is neither a pointer nor an array, to the address "
                  "the value holds; declare it as a pointer");
  Value stored = expression(b->right);
  if (isCompound(b->op)) {
    if (place.sideEffect)
      findings_.add(Warning::TargetTwice, *b,
                    std::string("the target of '") + operatorText(b->op) +
                        "' has a side effect and is evaluated twice; move the side effect out of it");
    Value current;
    current.type = valueType(place.type);
    stored = operation(b, plainOperator(b->op), current, stored);
  }
  if (typeSize(place.type) == 2) widened(stored, b->right, "stored");
  Value v;
  v.type = place.type;
  v.sideEffect = true;
  return v;
}

Value Checker::step(StepExpr* s) {
  Place place = target(s->expr);
  if (place.sideEffect)
    findings_.add(Warning::TargetTwice, *s,
                  "the target of '++' or '--' has a side effect and is evaluated twice; "
                  "move the side effect out of it");
  Value v;
  v.type = valueType(place.type);
  v.sideEffect = true;
  return v;
}

// A call: arguments are checked against the parameters the way the code
// generator pairs them, last argument with last parameter.
Value Checker::call(BinOp* b) {
  Value v;
  v.sideEffect = true;
  Var* callee = as<Var>(b->left);
  if (!callee) return v;
  v.type = callee->typ;
  PrvekTab* entry = hledejId(callee->name(), false);  // where the code generator looks too
  TypeList* params = entry ? entry->param : nullptr;
  if (!params) {
    if (b->right && entry && (entry->typ & TYP_FUNCTION))
      findings_.add(Warning::UnprototypedArgs, *b,
                    std::string("'") + callee->name() +
                        "' is declared with an empty parameter list, so these arguments are neither "
                        "evaluated nor passed; declare its parameters");
    return v;
  }
  Expr* current = b->right;
  for (TypeList* p = params; current && p; p = p->dalsi) {
    Expr* argument = current;
    BinOp* comma = as<BinOp>(current);
    if (comma && comma->op == OP_COMMA) {
      argument = comma->right;
      current = comma->left;
    } else {
      current = nullptr;
    }
    Value passed = expression(argument);
    if (argument && typeSize(p->typ) == 2) widened(passed, argument, "passed");
  }
  return v;
}

}  // namespace

void checkProgram(Prog* program, Findings& findings) { Checker(findings).program(program); }

int expectedType(Expr* e) {
  WarningSelection selection;
  Findings ignored(selection);
  return Checker(ignored).expression(e).type;
}
