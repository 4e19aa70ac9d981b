// Random-program generator for the execution check: small C programs
// (assignments, compound assignments, ++/--, if/else, counted for and while
// loops with break and continue, calls of helper functions, casts) over
// char and int globals and locals of main, each program with the final
// value of every global as "// EXPECT: name = value" lines; a local's value
// is copied into a global r_<name> at the end of main.
//
// Every statement is run on the host, with the target's widths (int 16
// bits, char 8), as it is generated. An operation whose C meaning the
// target code is known not to reproduce (docs/known-differences.md:
// comparisons and right shifts of negative values, signed products beyond
// 15 bits, the most negative value in a division, results that no longer
// fit the type they are divided or compared in) makes the statement unsafe:
// it is thrown away and generated again, so every expected value is plain C.
//
// use: randprog SEED COUNT OUTDIR   (writes OUTDIR/rand_NNN.c)
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum Ty { SChar, UChar, SInt, UInt };
const char* const kTypeName[] = {"char", "unsigned char", "int", "unsigned int"};
const char* const kSubName[] = {"sub_c", "sub_uc", "sub_i", "sub_ui"};

int bitsOf(Ty t) { return t <= UChar ? 8 : 16; }
bool isSigned(Ty t) { return t == SChar || t == SInt; }

// v reduced to the range of a type of `bits` width and signedness.
long wrapTo(long v, int bits, bool sgn) {
  long mod = 1L << bits;
  v = ((v % mod) + mod) % mod;
  return sgn && v >= mod / 2 ? v - mod : v;
}
long wrap(Ty t, long v) { return wrapTo(v, bitsOf(t), isSigned(t)); }
bool fits(Ty t, long v) { return wrap(t, v) == v; }
long minOf(Ty t) { return isSigned(t) ? -(1L << (bitsOf(t) - 1)) : 0; }
// Char operands are promoted to int, so an intermediate result is an int
// (an unsigned int in an unsigned int statement).
long arith(Ty t, long v) { return wrapTo(v, 16, t != UInt); }

struct Unsafe {};

struct Expr {
  enum Kind { Var, Cast, Const, Bin, Neg, Not, LogNot, Call } kind = Const;
  int var = 0;
  Ty castTo = SChar;  // the type of a cast or of a call's helper
  long value = 0;
  std::string op;
  std::unique_ptr<Expr> l, r;
};
using ExprPtr = std::unique_ptr<Expr>;

ExprPtr constant(long value) {
  auto e = std::make_unique<Expr>();
  e->value = value;
  return e;
}

struct Stmt {
  enum Kind { Assign, Compound, IncDec, If, For, While, Break, Continue } kind = Assign;
  int var = 0;       // target, or loop counter
  std::string op;    // compound operator, "++x" etc., comparison
  ExprPtr e;         // value; for a compound assignment the whole "v op e"
  ExprPtr cmpR;      // right side of the test of If, Break, Continue
  int count = 0;     // loop trip count
  std::vector<Stmt> body, elseBody;
};

struct Var {
  std::string name;
  Ty ty;
  bool local;
};

enum class Flow { Next, Break, Continue };

struct Generator {
  explicit Generator(unsigned seed) : rng(seed) {}

  std::mt19937 rng;
  std::vector<Var> vars;
  std::vector<long> values;  // the host's values of vars
  int steps = 0;             // a guard against runaway loops

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
  bool chance(int percent) { return pick(100) < percent; }

  long constantFor(Ty t, bool small) {
    if (small) return 1 + pick(9);
    switch (t) {
      case SChar: return pick(201) - 100;
      case UChar: return pick(256);
      case SInt: return chance(50) ? pick(201) - 100 : pick(20001) - 10000;
      default: return chance(50) ? pick(256) : pick(65536);
    }
  }

  // A leaf (a variable of type t, a cast of another, or a constant filled
  // in by the caller) or an operator. Constants stand only on the right of
  // an operator; for char statements the operators whose result is wider
  // than a char (* / %) and ! stay at the root.
  ExprPtr leafOrConstant(Ty t) { return chance(50) ? expr(t, 0, false) : constant(constantFor(t, false)); }

  ExprPtr expr(Ty t, int depth, bool root) {
    auto e = std::make_unique<Expr>();
    if (depth == 0 || chance(30)) {
      std::vector<int> same, other;
      for (size_t i = 0; i < vars.size(); ++i) (vars[i].ty == t ? same : other).push_back(int(i));
      bool cast = !other.empty() && chance(25);
      std::vector<int>& from = cast ? other : same;
      e->kind = cast ? Expr::Cast : Expr::Var;
      e->castTo = t;
      e->var = from[pick(int(from.size()))];
      return e;
    }
    int choice = pick(100);
    if (choice < 14 || (choice < 17 && root)) {
      e->kind = choice < 8 ? Expr::Neg : choice < 14 ? Expr::Not : Expr::LogNot;
      e->l = expr(t, depth - 1, false);
      return e;
    }
    if (choice < 25) {  // the helper of this type with two leaf arguments
      e->kind = Expr::Call;
      e->castTo = t;
      e->l = expr(t, 0, false);
      e->r = leafOrConstant(t);
      return e;
    }
    static const char* narrowOps[] = {"+", "-", "&", "|", "^", "<<", ">>"};
    static const char* wideOps[] = {"*", "/", "%"};
    e->kind = Expr::Bin;
    e->op = (root || bitsOf(t) == 16) && chance(35) ? wideOps[pick(3)] : narrowOps[pick(7)];
    e->l = expr(t, depth - 1, false);
    if (e->op == "<<" || e->op == ">>") e->r = constant(pick(bitsOf(t)));
    else if (chance(40)) e->r = constant(constantFor(t, e->op == "*" || e->op == "/" || e->op == "%"));
    else e->r = expr(t, depth - 1, false);
    return e;
  }

  long binary(const Expr& e, long a, long b, Ty t, bool sa, bool sb) {
    const std::string& op = e.op;
    // Operators that do not work modulo 2^n see the value the target holds,
    // so the C value must still fit the type, with the type's signedness.
    if (op == "/" || op == "%" || op == ">>") {
      if (!fits(t, a) || sa != isSigned(t)) throw Unsafe();
      if (e.r->kind != Expr::Const && (!fits(t, b) || sb != isSigned(t))) throw Unsafe();
    }
    if (op == "+") return arith(t, a + b);
    if (op == "-") return arith(t, a - b);
    if (op == "&") return arith(t, a & b);
    if (op == "|") return arith(t, a | b);
    if (op == "^") return arith(t, a ^ b);
    if (op == "<<") {
      if (isSigned(t) && a < 0) throw Unsafe();
      return arith(t, long((unsigned long)a << b));  // shifting a negative long is undefined
    }
    if (op == ">>") {
      if (a < 0) throw Unsafe();
      return arith(t, a >> b);
    }
    if (op == "*") {
      if (sa != isSigned(t) || sb != isSigned(t)) throw Unsafe();
      if (isSigned(t) && (wrap(t, a) == minOf(t) || wrap(t, b) == minOf(t))) throw Unsafe();
      if (t == SInt && (a * b > 32767 || a * b < -32767)) throw Unsafe();
      return arith(t, a * b);
    }
    if (b == 0 || (isSigned(t) && (a == minOf(t) || b == minOf(t)))) throw Unsafe();
    return arith(t, op == "/" ? a / b : a % b);
  }

  // The C value of e in a statement of type t; signedNow tells whether the
  // target code treats it as signed (unary minus of an unsigned value gives
  // a signed one there, and operators pass that on).
  long eval(const Expr& e, Ty t, bool& signedNow) {
    signedNow = isSigned(t);
    switch (e.kind) {
      case Expr::Var: return values[e.var];
      case Expr::Cast: return wrap(t, values[e.var]);
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
        return v == 0;
      }
      case Expr::Call: {
        long v = wrap(t, value(*e.l, t) - value(*e.r, t));
        signedNow = isSigned(t);
        return v;
      }
      case Expr::Bin: {
        bool sa = false, sb = false;
        long a = eval(*e.l, t, sa);
        long b = eval(*e.r, t, sb);
        if (e.r->kind == Expr::Const) sb = isSigned(t);
        long v = binary(e, a, b, t, sa, sb);
        // Unsigned only when both operands are; a shift keeps its left operand's.
        signedNow = e.op == "<<" || e.op == ">>" ? sa : sa || sb;
        return v;
      }
    }
    return 0;
  }
  long value(const Expr& e, Ty t) {
    bool s = false;
    return eval(e, t, s);
  }

  // The target compares the raw bytes, which agrees with C only when both
  // operands have the same sign.
  bool test(const Stmt& s) {
    Ty t = vars[s.var].ty;
    long a = values[s.var], b = value(*s.cmpR, t);
    if (!fits(t, b)) throw Unsafe();
    if (s.op != "==" && s.op != "!=" && (a < 0) != (b < 0)) throw Unsafe();
    if (s.op == "<") return a < b;
    if (s.op == "<=") return a <= b;
    if (s.op == ">") return a > b;
    if (s.op == ">=") return a >= b;
    return (a == b) == (s.op == "==");
  }

  Flow exec(const Stmt& s) {
    if (++steps > 2000) throw Unsafe();
    Ty t = vars[s.var].ty;
    long& v = values[s.var];
    switch (s.kind) {
      case Stmt::Assign:
      case Stmt::Compound: v = wrap(t, value(*s.e, t)); break;
      case Stmt::IncDec: v = wrap(t, v + (s.op.find("++") != std::string::npos ? 1 : -1)); break;
      case Stmt::If: return execAll(test(s) ? s.body : s.elseBody);
      case Stmt::Break: return test(s) ? Flow::Break : Flow::Next;
      case Stmt::Continue: return test(s) ? Flow::Continue : Flow::Next;
      case Stmt::For:
        for (v = 0; v < s.count; ++v)
          if (execAll(s.body) == Flow::Break) break;
        break;
      case Stmt::While:
        for (v = 0; v < s.count;) {
          ++v;
          if (execAll(s.body) == Flow::Break) break;
        }
        break;
    }
    return Flow::Next;
  }
  Flow execAll(const std::vector<Stmt>& list) {
    for (const Stmt& s : list) {
      Flow f = exec(s);
      if (f != Flow::Next) return f;
    }
    return Flow::Next;
  }

  // loop: 0 outside loops, 1 inside a for loop, 2 inside a while loop. A
  // for loop's continue would skip the step (docs/known-differences.md), so
  // continue is only generated in the while form, which counts at the top.
  Stmt statement(int loopDepth, int loop) {
    int nvars = int(vars.size()) - 2;  // the last two are loop counters
    int kind = pick(100);
    Stmt s;
    if (kind < 12 && loopDepth < 2) {
      s.kind = chance(50) ? Stmt::For : Stmt::While;
      s.var = nvars + loopDepth;
      s.count = 1 + pick(5);
      for (int i = 0, n = 1 + pick(3); i < n; ++i)
        s.body.push_back(statement(loopDepth + 1, s.kind == Stmt::For ? 1 : 2));
      return s;
    }
    s.var = pick(nvars);
    Ty t = vars[s.var].ty;
    if (kind < 24) {
      static const char* cmps[] = {"<", "<=", ">", ">=", "==", "!="};
      s.kind = Stmt::If;
      if (loop && chance(45)) s.kind = loop == 2 && chance(50) ? Stmt::Continue : Stmt::Break;
      s.op = cmps[pick(6)];
      s.cmpR = leafOrConstant(t);
      if (s.kind == Stmt::If) {
        s.body.push_back(statement(loopDepth, loop));
        if (chance(50)) s.elseBody.push_back(statement(loopDepth, loop));
      }
    } else if (kind < 32) {
      static const char* forms[] = {"++x", "--x", "x++", "x--"};
      s.kind = Stmt::IncDec;
      s.op = forms[pick(4)];
    } else if (kind < 50) {
      static const char* ops[] = {"+", "-", "*", "/", "%", "&", "|", "^", "<<", ">>"};
      s.kind = Stmt::Compound;
      s.e = std::make_unique<Expr>();
      s.e->kind = Expr::Bin;
      s.e->op = ops[pick(10)];
      s.e->l = std::make_unique<Expr>();
      s.e->l->kind = Expr::Var;
      s.e->l->var = s.var;
      bool wide = s.e->op == "*" || s.e->op == "/" || s.e->op == "%";
      if (s.e->op == "<<" || s.e->op == ">>") {
        s.e->r = constant(pick(bitsOf(t)));
      } else {
        // For char targets the right side of * / % stays one byte wide.
        s.e->r = expr(t, wide && bitsOf(t) == 8 ? 0 : 1, false);
        if (s.e->r->kind == Expr::Const) s.e->r->value = constantFor(t, wide);
      }
    } else {
      s.e = expr(t, 1 + pick(3), true);
    }
    return s;
  }

  // Generates statements until one runs safely from the current state,
  // which then holds its effect.
  Stmt safeStatement() {
    while (true) {
      std::vector<long> saved = values;
      Stmt s = statement(0, 0);
      steps = 0;
      try {
        exec(s);
        return s;
      } catch (Unsafe&) {
        values = saved;
      }
    }
  }

  std::string show(const Expr& e) const {
    switch (e.kind) {
      case Expr::Var: return vars[e.var].name;
      case Expr::Cast: return "(" + std::string(kTypeName[e.castTo]) + ")" + vars[e.var].name;
      case Expr::Const: return std::to_string(e.value);
      case Expr::Neg: return "-(" + show(*e.l) + ")";
      case Expr::Not: return "~(" + show(*e.l) + ")";
      case Expr::LogNot: return "!(" + show(*e.l) + ")";
      case Expr::Bin: return "(" + show(*e.l) + " " + e.op + " " + show(*e.r) + ")";
      case Expr::Call: return kSubName[e.castTo] + ("(" + show(*e.l) + ", " + show(*e.r) + ")");
    }
    return "";
  }

  void emit(std::ostream& out, const Stmt& s, int indent) const {
    std::string pad(indent * 2, ' ');
    const std::string& v = vars[s.var].name;
    auto block = [&](const std::vector<Stmt>& list) {
      for (const Stmt& b : list) emit(out, b, indent + 1);
    };
    std::string cond = s.cmpR ? v + " " + s.op + " " + show(*s.cmpR) : "";
    switch (s.kind) {
      case Stmt::Assign: out << pad << v << " = " << show(*s.e) << ";\n"; break;
      case Stmt::Compound: out << pad << v << " " << s.e->op << "= " << show(*s.e->r) << ";\n"; break;
      case Stmt::IncDec: {
        std::string form = s.op;
        out << pad << form.replace(form.find('x'), 1, v) << ";\n";
        break;
      }
      case Stmt::Break: out << pad << "if (" << cond << ") break;\n"; break;
      case Stmt::Continue: out << pad << "if (" << cond << ") continue;\n"; break;
      case Stmt::If:
        out << pad << "if (" << cond << ") {\n";
        block(s.body);
        if (!s.elseBody.empty()) {
          out << pad << "} else {\n";
          block(s.elseBody);
        }
        out << pad << "}\n";
        break;
      case Stmt::For:
        out << pad << "for (" << v << " = 0; " << v << " < " << s.count << "; " << v << "++) {\n";
        block(s.body);
        out << pad << "}\n";
        break;
      case Stmt::While:
        out << pad << v << " = 0;\n" << pad << "while (" << v << " < " << s.count << ") {\n";
        out << pad << "  " << v << "++;\n";
        block(s.body);
        out << pad << "}\n";
        break;
    }
  }

  std::string program(int index) {
    vars.clear();
    int n = 3 + pick(3);
    for (int i = 0; i < n; ++i) {
      bool local = chance(30);
      vars.push_back({(local ? "l" : "g") + std::to_string(i), Ty(pick(4)), local});
    }
    vars.push_back({"i0", UChar, false});
    vars.push_back({"i1", UChar, false});
    values.assign(vars.size(), 0);

    std::ostringstream body;
    for (const Var& v : vars)
      if (v.local) body << "  " << kTypeName[v.ty] << " " << v.name << ";\n";
    for (int i = 0; i < n; ++i) {
      values[i] = wrap(vars[i].ty, constantFor(vars[i].ty, false));
      body << "  " << vars[i].name << " = " << values[i] << ";\n";
    }
    for (int i = 0, count = 5 + pick(6); i < count; ++i) emit(body, safeStatement(), 1);
    for (const Var& v : vars)
      if (v.local) body << "  r_" << v.name << " = " << v.name << ";\n";

    std::ostringstream out;
    out << "// Generated by randprog, program " << index << ".\n";
    for (size_t i = 0; i < vars.size(); ++i)
      out << "// EXPECT: " << (vars[i].local ? "r_" : "") << vars[i].name << " = " << values[i] << "\n";
    for (const Var& v : vars) out << kTypeName[v.ty] << " " << (v.local ? "r_" : "") << v.name << ";\n";
    for (int t = SChar; t <= UInt; ++t)  // sub_T(a, b) is a - b in type T
      out << "\n" << kTypeName[t] << " " << kSubName[t] << "(" << kTypeName[t] << " a, " << kTypeName[t]
          << " b)\n{\n  return a - b;\n}\n";
    out << "\nvoid main()\n{\n" << body.str() << "}\n";
    return out.str();
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "use: %s SEED COUNT OUTDIR\n", argv[0]);
    return 2;
  }
  Generator gen(unsigned(std::strtoul(argv[1], nullptr, 10)));
  for (int i = 0, count = std::atoi(argv[2]); i < count; ++i) {
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
