// Random-program generator for the execution check.
//
// Writes small C programs (straight-line code, if/else, counted for and while
// loops with break and continue, over char and int globals and locals, with
// casts between them and calls of small helper functions) with the final
// value of every global as "// EXPECT: name = value" lines; a local's final
// value is copied into a global r_<name> at the end of main. The values come
// from running the program on the host with the target's widths: int is 16
// bits, char 8 bits, and arithmetic wraps around.
//
// Every statement is executed on the host while it is generated. Operations
// whose C meaning the target code is known not to reproduce (see
// docs/known-differences.md: comparisons and right shifts of negative
// values, signed products beyond 15 bits, the most negative value in a
// division, results that no longer fit the type they are divided or
// compared in) make the statement "unsafe"; it is then thrown away and
// generated again, so that every expected value is plain C.
//
// use: randprog SEED COUNT OUTDIR   (writes OUTDIR/rand_NNN.c)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class Ty { SChar, UChar, SInt, UInt };

int bitsOf(Ty t) { return t == Ty::SChar || t == Ty::UChar ? 8 : 16; }
bool isSigned(Ty t) { return t == Ty::SChar || t == Ty::SInt; }
std::string subName(Ty t) {
  static const char* names[] = {"sub_c", "sub_uc", "sub_i", "sub_ui"};
  return names[static_cast<int>(t)];
}

const char* cName(Ty t) {
  switch (t) {
    case Ty::SChar: return "char";
    case Ty::UChar: return "unsigned char";
    case Ty::SInt: return "int";
    default: return "unsigned int";
  }
}

// Reduces v to the range of a type of `bits` width and signedness.
long wrapTo(long v, int bits, bool sgn) {
  long mod = 1L << bits;
  v = ((v % mod) + mod) % mod;
  if (sgn && v >= mod / 2) v -= mod;
  return v;
}
long wrap(Ty t, long v) { return wrapTo(v, bitsOf(t), isSigned(t)); }
bool fits(Ty t, long v) { return wrap(t, v) == v; }
long minOf(Ty t) { return isSigned(t) ? -(1L << (bitsOf(t) - 1)) : 0; }

// C arithmetic with a 16-bit int: char operands are promoted to int, so an
// intermediate result is an int (or unsigned int when the statement's type
// is unsigned int).
long arith(Ty t, long v) { return t == Ty::UInt ? wrapTo(v, 16, false) : wrapTo(v, 16, true); }

struct Unsafe {};

struct Expr {
  enum Kind { Var, Cast, Const, Bin, Neg, Not, LogNot, Call } kind = Const;
  int var = 0;
  Ty castTo = Ty::SChar;
  long value = 0;
  std::string op;
  std::unique_ptr<Expr> l, r;
};

struct Stmt {
  enum Kind { Assign, Compound, IncDec, If, For, While, Break, Continue } kind = Assign;
  int var = 0;            // target, or loop counter
  std::string op;         // compound operator, "++x" etc., comparison
  std::unique_ptr<Expr> e;     // value; for a compound assignment the whole "v op e"
  std::unique_ptr<Expr> cmpR;  // right side of the test of If, Break, Continue
  int count = 0;          // loop trip count
  std::vector<Stmt> body, elseBody;
};

struct Var {
  std::string name;
  Ty ty;
  bool local;  // a local of main, copied to the global r_<name> at the end
};

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  std::string program(int index);

 private:
  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(int percent) { return pick(100) < percent; }
  long constantFor(Ty t, bool small);

  std::unique_ptr<Expr> expr(Ty t, int depth, bool root);
  Stmt statement(int loopDepth, int loop);
  Stmt loopStatement(int loopDepth);
  Stmt safeStatement();

  long eval(const Expr& e, Ty t, bool& signedNow);
  long evalChecked(const Expr& e, Ty t);
  long binary(const std::string& op, long a, long b, Ty t, bool sa, bool sb, const Expr& e);
  bool test(const Stmt& s);
  enum class Flow { Next, Break, Continue };
  Flow exec(const Stmt& s);
  Flow execAll(const std::vector<Stmt>& list);

  std::string show(const Expr& e) const;
  void emit(std::ostream& out, const Stmt& s, int indent) const;

  std::mt19937 rng_;
  std::vector<Var> vars_;
  std::vector<long> values_;
  int steps_ = 0;     // host steps, a guard against runaway programs
};

long Generator::constantFor(Ty t, bool small) {
  if (small) return 1 + pick(9);
  switch (t) {
    case Ty::SChar: return pick(201) - 100;
    case Ty::UChar: return pick(256);
    case Ty::SInt: return chance(50) ? pick(201) - 100 : pick(20001) - 10000;
    default: return chance(50) ? pick(256) : pick(65536);
  }
}

// Leaves are variables of the statement's type, casts of other variables
// to it, or constants; constants stand only on the right of an operator.
// For char statements the operators whose result is wider than a char
// (* / %) and ! stay at the root.
std::unique_ptr<Expr> Generator::expr(Ty t, int depth, bool root) {
  auto e = std::make_unique<Expr>();
  if (depth == 0 || chance(30)) {
    std::vector<int> same, other;
    for (size_t i = 0; i < vars_.size(); ++i)
      (vars_[i].ty == t ? same : other).push_back(static_cast<int>(i));
    bool cast = !other.empty() && chance(25);
    std::vector<int>& from = cast ? other : same;
    e->kind = cast ? Expr::Cast : Expr::Var;
    e->castTo = t;
    e->var = from[pick(static_cast<int>(from.size()))];
    return e;
  }
  bool wideOk = root || bitsOf(t) == 16;
  int choice = pick(100);
  if (choice < 8) {
    e->kind = Expr::Neg;
    e->l = expr(t, depth - 1, false);
    return e;
  }
  if (choice < 14) {
    e->kind = Expr::Not;
    e->l = expr(t, depth - 1, false);
    return e;
  }
  if (choice < 17 && root) {
    e->kind = Expr::LogNot;
    e->l = expr(t, depth - 1, false);
    return e;
  }
  if (choice < 25) {
    // A call of the helper "sub" of this type with two leaf arguments.
    e->kind = Expr::Call;
    e->castTo = t;
    e->l = expr(t, 0, false);
    e->r = chance(50) ? expr(t, 0, false) : std::make_unique<Expr>();
    if (e->r->kind == Expr::Const) e->r->value = constantFor(t, false);
    return e;
  }
  static const char* narrowOps[] = {"+", "-", "&", "|", "^", "<<", ">>"};
  static const char* wideOps[] = {"*", "/", "%"};
  e->kind = Expr::Bin;
  e->op = wideOk && chance(35) ? wideOps[pick(3)] : narrowOps[pick(7)];
  e->l = expr(t, depth - 1, false);
  if (e->op == "<<" || e->op == ">>") {
    e->r = std::make_unique<Expr>();
    e->r->value = pick(bitsOf(t));
  } else if (chance(40)) {
    e->r = std::make_unique<Expr>();
    e->r->value = constantFor(t, e->op == "*" || e->op == "/" || e->op == "%");
  } else {
    e->r = expr(t, depth - 1, false);
  }
  return e;
}

long Generator::binary(const std::string& op, long a, long b, Ty t, bool sa, bool sb,
                       const Expr& e) {
  bool constRight = e.r->kind == Expr::Const;
  // Operators that do not work modulo 2^n see the value the target holds,
  // so the C value must still fit the type, with the type's signedness.
  bool exactOp = op == "/" || op == "%" || op == ">>";
  if (exactOp && (!fits(t, a) || sa != isSigned(t))) throw Unsafe();
  if (exactOp && !constRight && (!fits(t, b) || sb != isSigned(t))) throw Unsafe();
  if (op == "+") return arith(t, a + b);
  if (op == "-") return arith(t, a - b);
  if (op == "&") return arith(t, a & b);
  if (op == "|") return arith(t, a | b);
  if (op == "^") return arith(t, a ^ b);
  if (op == "<<") {
    if (isSigned(t) && a < 0) throw Unsafe();
    // Shift the bit pattern: a left shift of a negative long is undefined.
    return arith(t, long((unsigned long)a << b));
  }
  if (op == ">>") {
    if (a < 0) throw Unsafe();
    return arith(t, a >> b);
  }
  if (op == "*") {
    if (sa != isSigned(t) || sb != isSigned(t)) throw Unsafe();
    long wa = wrap(t, a), wb = wrap(t, b);
    if (isSigned(t) && (wa == minOf(t) || wb == minOf(t))) throw Unsafe();
    if (t == Ty::SInt && (a * b > 32767 || a * b < -32767)) throw Unsafe();
    return arith(t, a * b);
  }
  // / and %: no division by zero, no most negative value.
  if (b == 0 || (isSigned(t) && (a == minOf(t) || b == minOf(t)))) throw Unsafe();
  return arith(t, op == "/" ? a / b : a % b);
}

// The C value of e in a statement of type t; signedNow tells whether the
// target code treats the value as signed (unary minus of an unsigned value
// gives a signed one there, and operators pass that on).
long Generator::eval(const Expr& e, Ty t, bool& signedNow) {
  signedNow = isSigned(t);
  switch (e.kind) {
    case Expr::Var: return values_[e.var];
    case Expr::Cast: return wrap(t, values_[e.var]);
    case Expr::Const: return e.value;
    case Expr::Neg: {
      long v = eval(*e.l, t, signedNow);
      signedNow = true;
      return arith(t, -v);
    }
    case Expr::Not: return arith(t, ~eval(*e.l, t, signedNow));
    case Expr::LogNot: {
      long v = eval(*e.l, t, signedNow);
      if (!fits(t, v)) throw Unsafe();
      signedNow = isSigned(t);
      return v == 0 ? 1 : 0;
    }
    case Expr::Call: {
      long a = evalChecked(*e.l, t);
      long b = evalChecked(*e.r, t);
      signedNow = isSigned(t);
      return wrap(t, a - b);
    }
    case Expr::Bin: {
      bool sa = false, sb = false;
      long a = eval(*e.l, t, sa);
      long b = eval(*e.r, t, sb);
      if (e.r->kind == Expr::Const) sb = isSigned(t);
      long v = binary(e.op, a, b, t, sa, sb, e);
      // The target's result is unsigned only when both operands are; a
      // shift keeps the type of its left operand.
      signedNow = e.op == "<<" || e.op == ">>" ? sa : sa || sb;
      return v;
    }
  }
  return 0;
}

long Generator::evalChecked(const Expr& e, Ty t) {
  bool s = false;
  return eval(e, t, s);
}

// Comparisons are made on the raw bytes by the target, which agrees with C
// only when both operands have the same sign.
bool Generator::test(const Stmt& s) {
  Ty t = vars_[s.var].ty;
  long a = values_[s.var];
  long b = evalChecked(*s.cmpR, t);
  if (!fits(t, b)) throw Unsafe();
  if (s.op != "==" && s.op != "!=" && (a < 0) != (b < 0)) throw Unsafe();
  if (s.op == "<") return a < b;
  if (s.op == "<=") return a <= b;
  if (s.op == ">") return a > b;
  if (s.op == ">=") return a >= b;
  if (s.op == "==") return a == b;
  return a != b;
}

Generator::Flow Generator::exec(const Stmt& s) {
  if (++steps_ > 2000) throw Unsafe();
  Ty t = vars_[s.var].ty;
  switch (s.kind) {
    case Stmt::Assign:
    case Stmt::Compound:
      values_[s.var] = wrap(t, evalChecked(*s.e, t));
      return Flow::Next;
    case Stmt::IncDec:
      values_[s.var] = wrap(t, values_[s.var] + (s.op.find("++") != std::string::npos ? 1 : -1));
      return Flow::Next;
    case Stmt::If:
      return execAll(test(s) ? s.body : s.elseBody);
    case Stmt::Break: return test(s) ? Flow::Break : Flow::Next;
    case Stmt::Continue: return test(s) ? Flow::Continue : Flow::Next;
    case Stmt::For:
      for (values_[s.var] = 0; values_[s.var] < s.count; ++values_[s.var])
        if (execAll(s.body) == Flow::Break) break;
      return Flow::Next;
    case Stmt::While:
      for (values_[s.var] = 0; values_[s.var] < s.count;) {
        ++values_[s.var];
        if (execAll(s.body) == Flow::Break) break;
      }
      return Flow::Next;
  }
  return Flow::Next;
}

Generator::Flow Generator::execAll(const std::vector<Stmt>& list) {
  for (const Stmt& s : list) {
    Flow f = exec(s);
    if (f != Flow::Next) return f;
  }
  return Flow::Next;
}

// A counted loop over counter i<depth>. A for loop's continue would skip the
// step (see docs/known-differences.md), so continue is only generated in the
// while form, which counts at the top of the body.
Stmt Generator::loopStatement(int loopDepth) {
  Stmt s;
  s.kind = chance(50) ? Stmt::For : Stmt::While;
  s.var = static_cast<int>(vars_.size()) - 2 + loopDepth;
  s.count = 1 + pick(5);
  int n = 1 + pick(3);
  for (int i = 0; i < n; ++i)
    s.body.push_back(statement(loopDepth + 1, s.kind == Stmt::For ? 1 : 2));
  return s;
}

// loop: 0 outside loops, 1 inside a for loop, 2 inside a while loop.
Stmt Generator::statement(int loopDepth, int loop) {
  int nvars = static_cast<int>(vars_.size()) - 2;  // the last two are loop counters
  int kind = pick(100);
  if (kind < 12 && loopDepth < 2) return loopStatement(loopDepth);
  Stmt s;
  s.var = pick(nvars);
  Ty t = vars_[s.var].ty;
  static const char* cmps[] = {"<", "<=", ">", ">=", "==", "!="};
  if (kind < 24) {
    s.kind = Stmt::If;
    if (loop && chance(45)) s.kind = loop == 2 && chance(50) ? Stmt::Continue : Stmt::Break;
    s.op = cmps[pick(6)];
    s.cmpR = chance(50) ? expr(t, 0, false) : std::make_unique<Expr>();
    if (s.cmpR->kind == Expr::Const) s.cmpR->value = constantFor(t, false);
    if (s.kind == Stmt::If) {
      s.body.push_back(statement(loopDepth, loop));
      if (chance(50)) s.elseBody.push_back(statement(loopDepth, loop));
    }
    return s;
  }
  if (kind < 32) {
    static const char* forms[] = {"++x", "--x", "x++", "x--"};
    s.kind = Stmt::IncDec;
    s.op = forms[pick(4)];
    return s;
  }
  if (kind < 50) {
    static const char* ops[] = {"+", "-", "*", "/", "%", "&", "|", "^", "<<", ">>"};
    s.kind = Stmt::Compound;
    s.e = std::make_unique<Expr>();
    s.e->kind = Expr::Bin;
    s.e->op = ops[pick(10)];
    s.e->l = std::make_unique<Expr>();
    s.e->l->kind = Expr::Var;
    s.e->l->var = s.var;
    if (s.e->op == "<<" || s.e->op == ">>") {
      s.e->r = std::make_unique<Expr>();
      s.e->r->value = pick(bitsOf(t));
    } else {
      bool wide = s.e->op == "*" || s.e->op == "/" || s.e->op == "%";
      // For char targets the right side of * / % must stay one byte wide.
      s.e->r = wide && bitsOf(t) == 8 ? expr(t, 0, false) : expr(t, 1, false);
      if (s.e->r->kind == Expr::Const) s.e->r->value = constantFor(t, wide);
    }
    return s;
  }
  s.kind = Stmt::Assign;
  s.e = expr(t, 1 + pick(3), true);
  if (s.e->kind == Expr::Const) s.e->value = constantFor(t, false);
  return s;
}

// Generates statements until one runs safely from the current state; the
// state then holds its effect.
Stmt Generator::safeStatement() {
  while (true) {
    std::vector<long> saved = values_;
    Stmt s = statement(0, 0);
    steps_ = 0;
    try {
      exec(s);
      return s;
    } catch (Unsafe&) {
      values_ = saved;
    }
  }
}

std::string Generator::show(const Expr& e) const {
  switch (e.kind) {
    case Expr::Var: return vars_[e.var].name;
    case Expr::Cast: return "(" + std::string(cName(e.castTo)) + ")" + vars_[e.var].name;
    case Expr::Const: return std::to_string(e.value);
    case Expr::Neg: return "-(" + show(*e.l) + ")";
    case Expr::Not: return "~(" + show(*e.l) + ")";
    case Expr::LogNot: return "!(" + show(*e.l) + ")";
    case Expr::Bin: return "(" + show(*e.l) + " " + e.op + " " + show(*e.r) + ")";
    case Expr::Call: return subName(e.castTo) + "(" + show(*e.l) + ", " + show(*e.r) + ")";
  }
  return "";
}

void Generator::emit(std::ostream& out, const Stmt& s, int indent) const {
  std::string pad(indent * 2, ' ');
  const std::string& v = vars_[s.var].name;
  auto cond = [&] { return v + " " + s.op + " " + show(*s.cmpR); };
  switch (s.kind) {
    case Stmt::Assign: out << pad << v << " = " << show(*s.e) << ";\n"; break;
    case Stmt::Compound:
      out << pad << v << " " << s.e->op << "= " << show(*s.e->r) << ";\n";
      break;
    case Stmt::IncDec: {
      std::string form = s.op;
      form.replace(form.find('x'), 1, v);
      out << pad << form << ";\n";
      break;
    }
    case Stmt::Break: out << pad << "if (" << cond() << ") break;\n"; break;
    case Stmt::Continue: out << pad << "if (" << cond() << ") continue;\n"; break;
    case Stmt::If:
      out << pad << "if (" << cond() << ") {\n";
      for (const Stmt& b : s.body) emit(out, b, indent + 1);
      if (!s.elseBody.empty()) {
        out << pad << "} else {\n";
        for (const Stmt& b : s.elseBody) emit(out, b, indent + 1);
      }
      out << pad << "}\n";
      break;
    case Stmt::For:
      out << pad << "for (" << v << " = 0; " << v << " < " << s.count << "; " << v << "++) {\n";
      for (const Stmt& b : s.body) emit(out, b, indent + 1);
      out << pad << "}\n";
      break;
    case Stmt::While:
      out << pad << v << " = 0;\n" << pad << "while (" << v << " < " << s.count << ") {\n";
      out << pad << "  " << v << "++;\n";
      for (const Stmt& b : s.body) emit(out, b, indent + 1);
      out << pad << "}\n";
      break;
  }
}

std::string Generator::program(int index) {
  vars_.clear();
  int n = 3 + pick(3);
  static const Ty all[] = {Ty::SChar, Ty::UChar, Ty::SInt, Ty::UInt};
  for (int i = 0; i < n; ++i) {
    bool local = chance(30);
    vars_.push_back({(local ? "l" : "g") + std::to_string(i), all[pick(4)], local});
  }
  vars_.push_back({"i0", Ty::UChar, false});
  vars_.push_back({"i1", Ty::UChar, false});
  values_.assign(vars_.size(), 0);

  std::ostringstream body;
  for (const Var& v : vars_)
    if (v.local) body << "  " << cName(v.ty) << " " << v.name << ";\n";
  for (int i = 0; i < n; ++i) {
    values_[i] = wrap(vars_[i].ty, constantFor(vars_[i].ty, false));
    body << "  " << vars_[i].name << " = " << values_[i] << ";\n";
  }
  int count = 5 + pick(6);
  for (int i = 0; i < count; ++i) emit(body, safeStatement(), 1);
  for (const Var& v : vars_)
    if (v.local) body << "  r_" << v.name << " = " << v.name << ";\n";

  std::ostringstream out;
  out << "// Generated by randprog, program " << index << ".\n";
  for (size_t i = 0; i < vars_.size(); ++i)
    out << "// EXPECT: " << (vars_[i].local ? "r_" : "") << vars_[i].name << " = " << values_[i]
        << "\n";
  for (const Var& v : vars_)
    out << cName(v.ty) << " " << (v.local ? "r_" : "") << v.name << ";\n";
  // The helpers: sub_T(a, b) is a - b in type T.
  static const Ty all4[] = {Ty::SChar, Ty::UChar, Ty::SInt, Ty::UInt};
  for (Ty t : all4)
    out << "\n" << cName(t) << " " << subName(t) << "(" << cName(t) << " a, " << cName(t)
        << " b)\n{\n  return a - b;\n}\n";
  out << "\nvoid main()\n{\n" << body.str() << "}\n";
  return out.str();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "use: %s SEED COUNT OUTDIR\n", argv[0]);
    return 2;
  }
  Generator gen(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
  int count = std::atoi(argv[2]);
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/rand_%03d.c", i);
    std::ofstream out(std::string(argv[3]) + name);
    out << gen.program(i);
    if (!out) {
      std::fprintf(stderr, "%s: cannot write %s%s\n", argv[0], argv[3], name);
      return 1;
    }
  }
  return 0;
}
