// Syntax tree node classes.
//
// The parser builds the whole unit into one tree; the optimizer folds it and
// every node then writes its own assembly.  The translating members are
// declared here with the classes and defined in codegen/, which reads the
// tree; nothing in this folder writes assembly.  Nodes are owned by the node
// arena: they are carved out of large blocks that are released together
// when the run ends, so the optimizer can drop nodes and the translation can
// share them without anyone freeing a node twice.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <typeinfo>

#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "types/typeword.h"

enum Operator {
  OP_MUL = 0, OP_DIV, OP_MOD, OP_ADD, OP_SUB, OP_SHL, OP_SHR, OP_LT, OP_LE, OP_GT, OP_GE,
  OP_EQ, OP_NE, OP_AND, OP_XOR, OP_OR, OP_LOR, OP_LAND, OP_COMMA, OP_NONE,
  OP_ASSIGN = 20, OP_MUL_ASSIGN, OP_DIV_ASSIGN, OP_MOD_ASSIGN, OP_ADD_ASSIGN, OP_SUB_ASSIGN,
  OP_SHL_ASSIGN, OP_SHR_ASSIGN, OP_AND_ASSIGN, OP_XOR_ASSIGN, OP_OR_ASSIGN, OP_CALL
};

// A node is a source position: diagnostics about it name its line.
class Node : public SourcePos {
 public:
  Node();
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  // Nodes come from the node arena; they are never deleted one by one.
  static void* operator new(size_t size);
  static void operator delete(void*) {}

  virtual Node* Optimize();
  virtual void Translate() = 0;
  virtual ~Node();
  // Appends the node's text (node text, tree/print.cpp).
  virtual void print(std::string& text);

  void copyInfo(const Node* from);

  // Register-level code shared by all translations (pairs: 1 = s2/s3, 0 = s0/s1).
  void PUSH(int n);
  void POP(int n);
  int STORE(int reg, int type);
  int STOREC(int reg, int type, int addr, int storage);
  int CAST(int reg, int from, int to);
  int CONV(int reg, int type, int other);
};

// Frees every node made since the last call.
void freeAllNodes();

// A point in the node arena: the nodes made after it can be released
// together while the older ones stay (the translation's temporary nodes).
struct NodeMark {
  size_t blocks;
  size_t used;
  size_t owners;
};
NodeMark markNodes();
void releaseNodes(const NodeMark& mark);

class Expr : public Node {
 public:
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;
  virtual int GetAddr();
  virtual bool IsSimple();
  virtual void TranslateSimple();
  virtual int ParameterCount();
  // A copy of the whole expression, for the value side of a compound
  // assignment or increment, so that translating one side never changes the
  // other.
  virtual Expr* clone() = 0;

  // Set by statements that drop the value (expression statements, for
  // clauses, the left side of a comma).  First, so that it fills the end
  // of the position before typ and adr: a node's size decides the memory a
  // large unit takes.
  bool valueUnused = false;
  int typ = 0;
  int adr = 0;

 protected:
  void copyExprFields(const Expr* from);
};

class Numb final : public Expr {
 public:
  explicit Numb(int value);
  void Translate() override;
  void print(std::string& text) override;
  bool IsSimple() override { return true; }
  void TranslateSimple() override;
  Expr* clone() override;
  int Value() const { return value; }

  int value;
};

class Var final : public Expr {
 public:
  Var(uint32_t nameId, int adr, int typ);
  void Translate() override;
  void print(std::string& text) override;
  int GetAddr() override;
  bool IsSimple() override;
  void TranslateSimple() override;
  Expr* clone() override;

  const char* name() const { return storedName(nameId); }

  uint32_t nameId;  // the symbol table's name (storedName), which lasts the whole run

 private:
  void load(int reg);
};

class Type final : public Expr {
 public:
  Type(int typ, Expr* expr);
  void Translate() override;
  void print(std::string& text) override;
  int GetAddr() override;
  bool IsSimple() override;
  void TranslateSimple() override;
  Expr* clone() override;

  Expr* expr;
};

class BinOp final : public Expr {
 public:
  BinOp(Operator op, Expr* left, Expr* right);
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;
  int ParameterCount() override;
  Expr* clone() override;

  Operator op;
  Expr* left;
  Expr* right;

 private:
  // Where the common frame left the operands.
  struct Operands {
    int n;          // bytes the operator sequence handles
    bool stacked;   // left in pair 0 and right in pair 1
    int leftType;   // the operands' own types after their translation
    int rightType;
  };
  Operands evaluateOperands();
  bool pointerRules(const Operands& o);
  void additive(const Operands& o);
  void bitwise(const Operands& o);
  void shift(const Operands& o);
  void comparison(const Operands& o);
  void equality(const Operands& o);
  void logical(const Operands& o);
  void multiply(const Operands& o);
  void divide(const Operands& o);
  void assign();
  void comma();
  void call();
};

// The seven unary operators and the two operand operators share one shape.
class UnaryExpr : public Expr {
 public:
  explicit UnaryExpr(Expr* expr) : expr(expr) {}
  Node* Optimize() override;

  Expr* expr;

 protected:
  void printAround(std::string& text, const char* before, const char* after);
  template <class T>
  Expr* cloneAs() {
    T* copy = new T(expr ? expr->clone() : nullptr);
    copy->copyExprFields(this);
    return copy;
  }
};

// ++x, --x, x++, x--: translated as the equivalent assignment tree.
class StepExpr : public UnaryExpr {
 public:
  StepExpr(Expr* expr, bool increments, bool postfix, const char* comment)
      : UnaryExpr(expr), increments(increments), postfix(postfix), comment(comment) {}
  void Translate() override;

 private:
  bool increments;      // ++ rather than --
  bool postfix;         // x++ rather than ++x
  const char* comment;  // the comment line that opens its code
};

class PostfixPlus final : public StepExpr {
 public:
  explicit PostfixPlus(Expr* e) : StepExpr(e, true, true, "        ; postfix plus\n") {}
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<PostfixPlus>(); }
};

class PrefixPlus final : public StepExpr {
 public:
  explicit PrefixPlus(Expr* e) : StepExpr(e, true, false, "        ; prefix plus\n") {}
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<PrefixPlus>(); }
};

class PostfixMinus final : public StepExpr {
 public:
  explicit PostfixMinus(Expr* e) : StepExpr(e, false, true, "        ; postfix minus\n") {}
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<PostfixMinus>(); }
};

class PrefixMinus final : public StepExpr {
 public:
  explicit PrefixMinus(Expr* e) : StepExpr(e, false, false, "        ; prefix minus\n") {}
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<PrefixMinus>(); }
};

class Ref final : public UnaryExpr {
 public:
  using UnaryExpr::UnaryExpr;
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<Ref>(); }
  // The address-of as an assignment's target: records the address, writes
  // no instruction.
  void TranslateTarget();
};

class Deref final : public UnaryExpr {
 public:
  using UnaryExpr::UnaryExpr;
  void Translate() override;
  void print(std::string& text) override;
  bool IsSimple() override;
  void TranslateSimple() override;
  Expr* clone() override { return cloneAs<Deref>(); }
};

class LogNeg final : public UnaryExpr {
 public:
  using UnaryExpr::UnaryExpr;
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<LogNeg>(); }
};

class BitNeg final : public UnaryExpr {
 public:
  using UnaryExpr::UnaryExpr;
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<BitNeg>(); }
};

class UnMinus final : public UnaryExpr {
 public:
  using UnaryExpr::UnaryExpr;
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;
  Expr* clone() override { return cloneAs<UnMinus>(); }
};

// ---- statements ----

class Statm : public Node {
 public:
  SourcePos begin;  // the statement's first token (line 0: not known)
};

class Empty final : public Statm {
 public:
  void Translate() override {}
  void print(std::string&) override {}
};

class VyrazStat final : public Statm {
 public:
  explicit VyrazStat(Expr* expr) : expr(expr) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* expr;
};

class StatmList final : public Statm {
 public:
  StatmList(Statm* first, Statm* rest) : first(first), rest(rest) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Statm* first;
  Statm* rest;
};

class StackSync final : public Statm {
 public:
  StackSync(int stack, Statm* statm) : statm(statm), stack(stack) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Statm* statm;
  int stack;
};

class If final : public Statm {
 public:
  If(Expr* cond, Statm* thenStatm, Statm* elseStatm)
      : cond(cond), thenStatm(thenStatm), elseStatm(elseStatm) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* cond;
  Statm* thenStatm;
  Statm* elseStatm;
};

class While final : public Statm {
 public:
  While(Expr* cond, Statm* body) : cond(cond), body(body) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* cond;
  Statm* body;
};

class DoWhile final : public Statm {
 public:
  DoWhile(Expr* cond, Statm* body) : cond(cond), body(body) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* cond;
  Statm* body;
};

class For final : public Statm {
 public:
  For(Expr* init, Expr* cond, Expr* step, Statm* body)
      : init(init), cond(cond), step(step), body(body) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* init;
  Expr* cond;
  Expr* step;
  Statm* body;
};

class Case final : public Statm {
 public:
  Case(Numb* value, Statm* body, Case* next) : value(value), body(body), next(next) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Numb* value;
  Statm* body;
  Case* next;
};

class Switch final : public Statm {
 public:
  Switch(Expr* expr, Case* cases) : expr(expr), cases(cases) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* expr;
  Case* cases;
};

class Break final : public Statm {
 public:
  explicit Break(int stack) : stack(stack) {}
  void Translate() override;
  void print(std::string& text) override;

  int stack;
};

class Continue final : public Statm {
 public:
  explicit Continue(int stack) : stack(stack) {}
  void Translate() override;
  void print(std::string& text) override;

  int stack;
};

class Return final : public Statm {
 public:
  explicit Return(Expr* expr) : expr(expr) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  Expr* expr;
};

class InlineAsm final : public Statm {
 public:
  explicit InlineAsm(const char* text);
  ~InlineAsm() override;
  void Translate() override;
  void print(std::string& text) override;

  char* text;
};

class Irq final : public Statm {
 public:
  explicit Irq(bool on) : on(on) {}
  void Translate() override;
  void print(std::string& text) override;

  bool on;
};

// ---- program ----

class Funct : public Node {};

class FunctList final : public Funct {
 public:
  FunctList(const char* name, Statm* body, Funct* next);
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  char name[32];
  Statm* body;
  Funct* next;
};

class Prog final : public Node {
 public:
  explicit Prog(FunctList* functs) : functs(functs) {}
  Node* Optimize() override;
  void Translate() override;
  void print(std::string& text) override;

  FunctList* functs;
};

// Folds `l op r` the way the optimizer does; false when the operation has
// no constant result (a division or remainder by zero, or not an operator
// that folds), so that the node is left for translation.
bool foldOperation(Operator op, int l, int r, int& result);

// A Var for a declared variable or function, a Numb for a named constant.
Expr* VarOrConst(const char* name);

// Node class tests used by the optimizer and the code generator.  Leaf
// classes are final, so an exact type comparison answers the question
// without the cost of a general cast.  The type_info objects are compared
// by address: the node classes are all defined in this one library, so a
// program holds one type_info per class, whereas type_info's operator==
// compares the names with strcmp whenever the types differ, which is the
// usual answer here.
template <class T>
T* as(Node* node) {
  if constexpr (std::is_final_v<T>)
    return node && &typeid(*node) == &typeid(T) ? static_cast<T*>(node) : nullptr;
  else
    return dynamic_cast<T*>(node);
}
