// Parser.
//
// Each rule is one routine with one token of look-ahead (Symb).  Lists that
// the grammar writes recursively (file items, block items, declarators of
// one type, cases, binary operators of one level) are read with loops, so
// that a long unit never deepens the native stack; only real nesting
// (blocks, parentheses, unary operators) recurses.
#include "front/parser.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "front/lexan.h"
#include "front/vstup.h"
#include "symbols/tabsym.h"

ParseHooks parseHooks;

namespace {

int ActStartStack = 0;  // stack level at the start of the innermost loop
int ActEndStack = 0;    // ... of the innermost loop or switch
int loopDepth = 0;      // loops around the current statement
int breakDepth = 0;     // loops and switches around it
bool insideFunction = false;

using Name = char[32];

Statm* DeklVar(int t, char* name, bool first);
Statm* ZbDeklVar(int t0);
Expr* CastExpr();
Statm* BlockItemList();

// ---- token matching ----

void Srovnani(LexSymbol expected) {
  if (Symb != expected) ChybaSrovnani(expected, Symb);
  CtiSymb();
}

void Srovnani_NUMB(int* value) {
  if (Symb != NUMB) ChybaSrovnani(NUMB, Symb);
  *value = Cislo;
  CtiSymb();
}

void Srovnani_IDENT(char* name) {
  if (Symb != IDENT) ChybaSrovnani(IDENT, Symb);
  std::strcpy(name, Ident);
  CtiSymb();
}

// The items of the lists being read, innermost list on top: one stack for
// all nested lists instead of a vector per block.
std::vector<Statm*> pendingItems;

// Builds the right-nested list first -> rest of the items pushed since
// `start` and takes them off the stack; null when there are none.
Statm* rightNested(size_t start) {
  Statm* list = nullptr;
  for (size_t i = pendingItems.size(); i-- > start;) list = new StatmList(pendingItems[i], list);
  pendingItems.resize(start);
  return list;
}

// ---- declarations ----

// type-words: { char | short | int | void | unsigned | signed | const | static | register }
int DeklTyp(int t) {
  bool given = false;
  for (;; CtiSymb(), given = true) {
    switch (Symb) {
      case CHAR: t = (t & ~TYP_BASE) | TYP_CHAR; continue;
      case SHORT: t = (t & ~TYP_BASE) | TYP_SHORT; continue;
      case INT: t = (t & ~TYP_BASE) | TYP_INT; continue;
      case VOID: t = (t & ~TYP_BASE) | TYP_VOID; continue;
      case UNSIGNED: t |= TYP_UNSIGNED; continue;
      case SIGNED: t &= ~TYP_UNSIGNED; continue;
      case CONST: t |= TYP_CONST; continue;
      case STATIC: t = (t & ~TYP_AUTO) | TYP_STATIC; continue;
      case REGISTER: continue;
      default: break;
    }
    break;
  }
  return given ? t | TYP_GIVEN : t;
}

// pointer: { "*" }   (one level, never to a constant)
int pointerStars(int t, const char* constMessage) {
  while (Symb == TIMES) {
    CtiSymb();
    if (t & TYP_CONST) Chyba(constMessage);
    if (t & TYP_POINTER) Chyba("pointer to pointer is not supported");
    t |= TYP_POINTER;
  }
  return t;
}

// Folds an expression the declaration needs as a number; null if it is not one.
Numb* foldToNumber(Expr* e) {
  if (!e) return nullptr;
  return as<Numb>(e->Optimize());
}

// parameter-list: parameter { "," parameter }
// parameter: type-words pointer [ identifier ]
TypeList* DeklParam(TypeList* list, int i) {
  for (;; i++) {
    int t = DeklTyp(getDefaultTyp());
    if (!(t & TYP_GIVEN)) return list;
    t = pointerStars(t, "pointer to constant is not supported");
    Name name;
    if (Symb == IDENT) Srovnani_IDENT(name);
    else std::snprintf(name, sizeof name, "%d", i + 1);
    deklProm(name, t, false, 0, nullptr);
    list = newTypeList(t, list);
    if (Symb != COMMA) return list;
    CtiSymb();
  }
}

// function-rest: "(" [ parameter-list ] ")" ( block-body | ";" )
Statm* TeloFce(int t, const char* name, bool first) {
  getStackSync();
  pridejZalozku();
  Srovnani(LPAR);
  TypeList* params = nullptr;
  if (Symb != RPAR) {
    ParamDeklOn();
    params = DeklParam(nullptr, 0);
    ParamDeklOff();
  }
  Srovnani(RPAR);
  if (Symb != LBRACE) {
    Srovnani(SEMICOLON);
    odeberZalozku();
    deklProm(name, t | TYP_FUNCTION | TYP_PROTOTYPE, false, 0, params);
    return nullptr;
  }
  if (insideFunction) Chyba("function definition inside a block");
  if (!first) Chyba("function definition must be the first declarator");
  int ft = t | TYP_FUNCTION;
  deklProm(name, ft, false, 0, params);  // the body may call the function itself
  CtiSymb();
  insideFunction = true;
  Statm* body = BlockItemList();
  insideFunction = false;
  Srovnani(RBRACE);
  odeberZalozku();
  getStackSync();
  deklProm(name, ft, false, 0, params);
  return new StatmList(body, new Empty);
}

// After a declarator: if t is on the stack, move the stack pointer over it
// before whatever follows.
Statm* declaratorTail(int t, int t0) {
  if (t & TYP_AUTO) {
    int k = getStackSync();
    Statm* rest = ZbDeklVar(t0);
    return new StackSync(k, rest);
  }
  return ZbDeklVar(t0);
}

// declarator: pointer identifier ( "[" size "]" | "=" initializer | function-rest | )
Statm* DeklVar(int t, char* functionName, bool first) {
  int t0 = t;
  t = pointerStars(t, "poiter to constant is not supported ");
  Name name;
  Srovnani_IDENT(name);
  switch (Symb) {
    case LBRACKET: {
      CtiSymb();
      if (t & TYP_POINTER) Chyba("array of pointers is not supported");
      Numb* size = foldToNumber(AssignExpr());
      if (!size) Chyba("size of an array must be constant in declaration");
      deklPole(name, t | TYP_ARRAY, size->value);
      Srovnani(RBRACKET);
      return declaratorTail(t, t0);
    }
    case ASSIGN: {
      SourcePos equals = SourcePos::here();
      CtiSymb();
      Expr* init = AssignExpr();
      if (init) init = static_cast<Expr*>(init->Optimize());
      if (t & TYP_CONST) {
        Numb* value = as<Numb>(init);
        if (!value) Chyba("assignment to constant in declaration must be constant");
        deklKonst(name, t, value->value);
        return ZbDeklVar(t0);
      }
      if (t & TYP_STATIC) {
        Numb* value = as<Numb>(init);
        if (!value) Chyba("static variables can be initialized only by constant!");
        deklProm(name, t, true, value->value, nullptr);
        if (parseHooks.staticInitializer) parseHooks.staticInitializer(name, equals);
        return declaratorTail(t, t0);
      }
      deklProm(name, t, false, 0, nullptr);
      Statm* s = new VyrazStat(new BinOp(OP_ASSIGN, VarOrConst(name), init));
      if (t & TYP_AUTO) {
        int k = getStackSync();
        Statm* rest = ZbDeklVar(t0);
        return new StackSync(k, new StatmList(s, rest));
      }
      return new StatmList(s, ZbDeklVar(t0));
    }
    case LPAR:
      std::strcpy(functionName, name);
      return TeloFce(t, name, first);
    default:
      deklProm(name, t, false, 0, nullptr);
      return declaratorTail(t, t0);
  }
}

// declarator-rest: "," declarator | ";" | (before ")")
Statm* ZbDeklVar(int t0) {
  switch (Symb) {
    case COMMA: {
      CtiSymb();
      Name name;
      return DeklVar(t0, name, false);
    }
    case SEMICOLON:
      CtiSymb();
      return nullptr;
    case RPAR:
      return nullptr;
    default:
      ChybaSrovnani(SEMICOLON, Symb);
  }
}

// ---- expressions ----

// primary: identifier | number
Expr* PrimaryExpr() {
  if (Symb == IDENT) {
    Name name;
    Srovnani_IDENT(name);
    return VarOrConst(name);
  }
  if (Symb == NUMB) {
    int value;
    Srovnani_NUMB(&value);
    return new Numb(value);
  }
  return nullptr;
}

// postfix: primary [ "(" [ expression ] ")" | "[" expression "]" | "++" | "--" ]
Expr* PostfixExpr() {
  Expr* p = PrimaryExpr();
  switch (Symb) {
    case LPAR: {
      if (as<Numb>(p)) Chyba("function name expected");
      CtiSymb();
      Expr* args = Symb != RPAR ? Vyraz() : nullptr;
      Srovnani(RPAR);
      return new BinOp(OP_CALL, p, args);
    }
    case LBRACKET: {
      if (!p) Chyba("expression expected");
      CtiSymb();
      Expr* index = Vyraz();
      if (!index && Symb == RBRACKET) Chyba("expression expected");
      Srovnani(RBRACKET);
      return new Deref(new BinOp(OP_ADD, p, index));
    }
    case DECR:
      CtiSymb();
      return new PostfixMinus(p);
    case INCR:
      CtiSymb();
      return new PostfixPlus(p);
    default:
      return p;
  }
}

LexSymbol UnaryOper() {
  switch (Symb) {
    case MINUS: case TIMES: case DECR: case NOT: case TILDE: case INCR: case AMP: {
      LexSymbol op = Symb;
      CtiSymb();
      return op;
    }
    default:
      return NIC;
  }
}

// unary: unary-operator cast | postfix
Expr* UnaryExpr() {
  LexSymbol op = UnaryOper();
  if (op == NIC) return PostfixExpr();
  Expr* e = CastExpr();
  if (!e) ChybaUnOp(op);
  switch (op) {
    case MINUS: return new UnMinus(e);
    case TIMES: return new Deref(e);
    case DECR: return new PrefixMinus(e);
    case NOT: return new LogNeg(e);
    case TILDE: return new BitNeg(e);
    case INCR: return new PrefixPlus(e);
    default: return new Ref(e);
  }
}

// cast: "(" type-words pointer ")" cast | "(" expression ")" | unary
Expr* TypeName() {
  if (Symb != LPAR) return UnaryExpr();
  CtiSymb();
  int t = DeklTyp(getDefaultTyp());
  if (t & TYP_GIVEN) {
    t = pointerStars(t, "pointer to constant is not supported");
    Srovnani(RPAR);
    Expr* operand = TypeName();
    if (!operand) Chyba("expression expected");
    return new Type(t, operand);
  }
  Expr* e = Vyraz();
  Srovnani(RPAR);
  return e;
}

Expr* CastExpr() { return TypeName(); }

// Binary operators from || (1) up to * / % (10); 0 for any other token.
int precedence(LexSymbol s) {
  switch (s) {
    case OROR: return 1;
    case ANDAND: return 2;
    case BAR: return 3;
    case CARET: return 4;
    case AMP: return 5;
    case EQ: case NEQ: return 6;
    case LT: case LEQ: case GT: case GEQ: return 7;
    case SHL: case SHR: return 8;
    case PLUS: case MINUS: return 9;
    case TIMES: case DIVIDE: case MODULO: return 10;
    default: return 0;
  }
}

Operator binaryOperator(LexSymbol s) {
  switch (s) {
    case OROR: return OP_LOR;
    case ANDAND: return OP_LAND;
    case BAR: return OP_OR;
    case CARET: return OP_XOR;
    case AMP: return OP_AND;
    case EQ: return OP_EQ;
    case NEQ: return OP_NE;
    case LT: return OP_LT;
    case LEQ: return OP_LE;
    case GT: return OP_GT;
    case GEQ: return OP_GE;
    case SHL: return OP_SHL;
    case SHR: return OP_SHR;
    case PLUS: return OP_ADD;
    case MINUS: return OP_SUB;
    case TIMES: return OP_MUL;
    case DIVIDE: return OP_DIV;
    default: return OP_MOD;
  }
}

// binary(p): cast { operator-of-level>=p binary(level+1) }, all left-associative
Expr* BinaryExpr(int minLevel) {
  Expr* left = CastExpr();
  for (;;) {
    int level = precedence(Symb);
    if (level < minLevel || level == 0) return left;
    LexSymbol op = Symb;
    if (!left) Chyba1BinOp(op);
    CtiSymb();
    Expr* right = BinaryExpr(level + 1);
    if (!right) ChybaBinOp(op);
    left = new BinOp(binaryOperator(op), left, right);
  }
}

Expr* LogicalOrExpr() { return BinaryExpr(1); }

Operator assignmentOperator(LexSymbol s) {
  switch (s) {
    case ASSIGN: return OP_ASSIGN;
    case TIMES_ASSIGN: return OP_MUL_ASSIGN;
    case DIVIDE_ASSIGN: return OP_DIV_ASSIGN;
    case MODULO_ASSIGN: return OP_MOD_ASSIGN;
    case PLUS_ASSIGN: return OP_ADD_ASSIGN;
    case MINUS_ASSIGN: return OP_SUB_ASSIGN;
    case SHL_ASSIGN: return OP_SHL_ASSIGN;
    case SHR_ASSIGN: return OP_SHR_ASSIGN;
    case AND_ASSIGN: return OP_AND_ASSIGN;
    case XOR_ASSIGN: return OP_XOR_ASSIGN;
    case OR_ASSIGN: return OP_OR_ASSIGN;
    default: return OP_NONE;
  }
}

bool isAssignment(Expr* e) {
  BinOp* b = as<BinOp>(e);
  return b && b->op >= OP_ASSIGN && b->op <= OP_OR_ASSIGN;
}

}  // namespace

// assignment: logical-or { assignment-operator logical-or }, then rotated
// so that a = b = c is a = (b = c)
Expr* AssignExpr() {
  Expr* left = LogicalOrExpr();
  for (;;) {
    Operator op = assignmentOperator(Symb);
    if (op == OP_NONE) break;
    LexSymbol token = Symb;
    if (!left) Chyba1BinOp(token);
    CtiSymb();
    Expr* right = LogicalOrExpr();
    if (!right) ChybaBinOp(token);
    left = new BinOp(op, left, right);
  }
  Expr* result = left;
  for (BinOp* n = as<BinOp>(left); isAssignment(n) && isAssignment(n->left);) {
    BinOp* l = static_cast<BinOp*>(n->left);
    n->left = l->right;
    l->right = n;
    result = l;
    n = l;
  }
  return result;
}

// expression: assignment { "," assignment }
Expr* Vyraz() {
  Expr* left = AssignExpr();
  while (Symb == COMMA) {
    if (!left) Chyba1BinOp(COMMA);
    CtiSymb();
    Expr* right = AssignExpr();
    if (!right) ChybaBinOp(COMMA);
    left = new BinOp(OP_COMMA, left, right);
  }
  return left;
}

namespace {

// ---- statements ----

// Declarations at the start of a block item; null when none produced code.
// block-declarations: { ";" | type-words declarator }
Statm* Dekl() {
  size_t start = pendingItems.size();
  for (;;) {
    if (Symb == SEMICOLON) {
      CtiSymb();
      continue;
    }
    if (Symb == KONEC) break;
    int t = DeklTyp(getDefaultTyp());
    if (!(t & TYP_GIVEN)) break;
    Name name;
    if (Statm* d = DeklVar(t, name, true)) pendingItems.push_back(d);
  }
  return rightNested(start);
}

// block-item: block-declarations | statement
Statm* BlockItem() {
  Statm* d = Dekl();
  return d ? d : Stat();
}

// block-items: { block-item }, up to the first token that starts neither
Statm* BlockItemList() {
  size_t start = pendingItems.size();
  while (Statm* item = BlockItem()) pendingItems.push_back(item);
  return rightNested(start);
}

// compound: "{" block-items "}"
Statm* compound() {
  CtiSymb();
  pridejZalozku();
  Statm* items = BlockItemList();
  Srovnani(RBRACE);
  odeberZalozku();
  int k = getStackSync();
  return new StatmList(items, new StackSync(k, new Empty));
}

// keyword "(" expression ")": the head of if, while and switch
Expr* keywordCondition() {
  CtiSymb();
  Srovnani(LPAR);
  Expr* cond = Vyraz();
  Srovnani(RPAR);
  return cond;
}

// The body of a loop: break and continue inside it release what the body
// put on the stack since the loop began.
Statm* loopBody() {
  int savedStart = ActStartStack, savedEnd = ActEndStack;
  ActStartStack = ActEndStack = getStack();
  loopDepth++;
  breakDepth++;
  Statm* body = Stat();
  loopDepth--;
  breakDepth--;
  ActStartStack = savedStart;
  ActEndStack = savedEnd;
  return body;
}

// for: "for" "(" [expr] ";" [expr] [ ";" [expr] ] ")" statement
Statm* forStatement() {
  CtiSymb();
  Srovnani(LPAR);
  Expr* a = Vyraz();
  Srovnani(SEMICOLON);
  Expr* b = Vyraz();
  Expr *init = nullptr, *cond = a, *step = b;
  if (Symb == SEMICOLON) {
    CtiSymb();
    init = a;
    cond = b;
    step = Vyraz();
  }
  Srovnani(RPAR);
  Statm* body = loopBody();
  return new For(init, cond, step, body);
}

// cases: { "case" constant ":" block-items } [ "default" ":" block-items ]
Case* NextCase() {
  struct Label {
    Numb* value;
    Statm* body;
  };
  std::vector<Label> labels;
  Statm* lastBody = nullptr;
  for (;;) {
    if (Symb == CASE) {
      CtiSymb();
      Numb* value = foldToNumber(AssignExpr());
      if (!value) Chyba("case in switch can be followed only by constant expression");
      Srovnani(COLON);
      labels.push_back({value, BlockItemList()});
      continue;
    }
    if (Symb == DEFAULT) {
      CtiSymb();
      Srovnani(COLON);
      lastBody = BlockItemList();
    } else {
      lastBody = new Empty;
    }
    break;
  }
  Case* chain = new Case(nullptr, lastBody, nullptr);
  for (size_t i = labels.size(); i-- > 0;) chain = new Case(labels[i].value, labels[i].body, chain);
  return chain;
}

// switch: "switch" "(" expression ")" "{" cases "}"
Statm* switchStatement() {
  int savedEnd = ActEndStack;
  ActEndStack = getStack();
  Expr* selector = keywordCondition();
  Srovnani(LBRACE);
  breakDepth++;
  Switch* s = new Switch(selector, NextCase());
  breakDepth--;
  Srovnani(RBRACE);
  ActEndStack = savedEnd;
  return s;
}

// asm: "asm" "{" (rest of line ignored) { line } "}"
// Each following line is taken whole until one whose first token is "}".
Statm* asmBlock() {
  CtiSymb();
  if (Symb != LBRACE) ChybaSrovnani(LBRACE, Symb);
  if (parseHooks.asmLineTail) {
    SourcePos after = SourcePos::here();
    after.column++;
    parseHooks.asmLineTail(textAfterToken(), after);
  }
  std::string text;
  for (;;) {
    CtiRadek();
    CtiSymb();
    if (Symb == RBRACE || Symb == KONEC) break;
    text += currentLineText();
  }
  Srovnani(RBRACE);
  return new InlineAsm(text.c_str());
}

// statement: ";" | compound | break | continue | do | for | if | return
//          | switch | while | asm | IRQ_ON ";" | IRQ_OFF ";" | expression ";"
Statm* statement() {
  switch (Symb) {
    case SEMICOLON:
      CtiSymb();
      return new Empty;
    case LBRACE:
      return compound();
    case BREAK: {
      if (breakDepth == 0) Chyba("break outside loop or switch");
      CtiSymb();
      Srovnani(SEMICOLON);
      return new Break(getStackBreak(ActEndStack));
    }
    case CONTINUE: {
      if (loopDepth == 0) Chyba("continue outside loop");
      CtiSymb();
      Srovnani(SEMICOLON);
      return new Continue(getStackContinue(ActStartStack));
    }
    case DO: {
      CtiSymb();
      Statm* body = loopBody();
      Srovnani(WHILE);
      Srovnani(LPAR);
      Expr* cond = Vyraz();
      Srovnani(RPAR);
      Srovnani(SEMICOLON);
      return new DoWhile(cond, body);
    }
    case FOR:
      return forStatement();
    case IF: {
      Expr* cond = keywordCondition();
      Statm* thenStatm = Stat();
      Statm* elseStatm = nullptr;
      if (Symb == ELSE) {
        CtiSymb();
        elseStatm = Stat();
      }
      return new If(cond, thenStatm, elseStatm);
    }
    case RETURN: {
      CtiSymb();
      if (Symb == SEMICOLON) {
        CtiSymb();
        return new Return(nullptr);
      }
      Expr* value = Vyraz();
      Srovnani(SEMICOLON);
      return new Return(value);
    }
    case SWITCH:
      return switchStatement();
    case WHILE: {
      Expr* cond = keywordCondition();
      Statm* body = loopBody();
      return new While(cond, body);
    }
    case ASM:
      return asmBlock();
    case IRQ_ON:
    case IRQ_OFF: {
      bool on = Symb == IRQ_ON;
      CtiSymb();
      Srovnani(SEMICOLON);
      return new Irq(on);
    }
    default: {
      Expr* e = Vyraz();
      if (!e) return nullptr;
      Srovnani(SEMICOLON);
      return new VyrazStat(e);
    }
  }
}

}  // namespace

// A statement remembers the line of its first token, where a debugger
// stops for it (its own position is where the parser finished it, which
// the translation's diagnostics name).
Statm* Stat() {
  SourcePos begin = SourcePos::here();
  begin.column = 0;
  Statm* s = statement();
  if (s) s->begin = begin;  // null: an expression statement with no expression
  return s;
}

// unit: { ";" | type-words declarator | asm } end-of-input
Prog* Program() {
  struct Item {
    std::string name;
    Statm* body;
  };
  std::vector<Item> items;
  for (;;) {
    if (Symb == SEMICOLON) {
      CtiSymb();
      continue;
    }
    if (Symb == KONEC) break;
    int t = DeklTyp(getDefaultTyp());
    if (t & TYP_GIVEN) {
      Name name = "";
      if (Statm* body = DeklVar(t, name, true)) items.push_back({name, body});
    } else if (Symb == ASM) {
      items.push_back({"", Stat()});
    } else {
      Chyba("unknwn type of function or variable");
    }
  }
  Srovnani(KONEC);
  Funct* chain = nullptr;
  for (size_t i = items.size(); i-- > 0;)
    chain = new FunctList(items[i].name.c_str(), items[i].body, chain);
  return new Prog(new FunctList(nullptr, nullptr, chain));
}

void resetParser() {
  pendingItems.clear();  // what a run ended by a diagnostic left
  ActStartStack = ActEndStack = 0;
  loopDepth = breakDepth = 0;
  insideFunction = false;
}
