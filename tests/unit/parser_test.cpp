// Parser: the shapes of the trees it builds (dumped with the nodes' own
// text form), and units deep or long enough to find recursion and
// quadratic costs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "codegen/emit.h"
#include "driver/compile.h"
#include "front/lexan.h"
#include "front/parser.h"
#include "front/vstup.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {

class FrontParser : public testing::Test {
 protected:
  void SetUp() override {
    InitMem(64);
    resetParser();
  }
  void TearDown() override {
    out.toFile(stdout);
    freeAllNodes();
    freeSymbols();
  }

  static std::string dump(Node* node) {
    std::string text;
    if (node) node->print(text);
    return text;
  }

  // Parses one expression inside a function that sees a, b, c (int),
  // p (int *), f (a function) and the constant K; the whole text must be
  // consumed.
  static Expr* parse(const std::string& text) {
    InitMem(64);
    pridejZalozku();
    for (const char* name : {"a", "b", "c"}) deklProm(name, 0x2404, false, 0, nullptr);
    deklProm("p", 0x2484, false, 0, nullptr);
    deklProm("f", 0xA404, false, 0, nullptr);
    deklKonst("K", 0x3404, 7);
    InitLexanText(text, "p.c");
    CtiSymb();
    Expr* e = Vyraz();
    EXPECT_EQ(KONEC, Symb) << text;
    return e;
  }

  static std::string expr(const std::string& text) { return dump(parse(text)); }

  // The body of the last function of a unit, as the parser built it.
  static std::string body(const std::string& unit) {
    InitMem(64);
    resetParser();
    InitLexanText(unit, "p.c");
    CtiSymb();
    Prog* prog = Program();
    Funct* f = prog->functs;
    while (as<FunctList>(f)->next) f = as<FunctList>(f)->next;
    // A function body is its item list followed by an empty statement.
    StatmList* b = as<StatmList>(as<FunctList>(f)->body);
    EXPECT_TRUE(b && as<Empty>(b->rest));
    return b ? dump(b->first) : "no body";
  }
};

TEST_F(FrontParser, ExpressionShapes) {
  EXPECT_EQ("(a)=((b)=(c))", expr("a = b = c"));
  EXPECT_EQ("(a)=((b)=(c))", expr("(a = b) = c"));
  EXPECT_EQ("((a)-(b))+(c)", expr("a - b + c"));
  EXPECT_EQ("((a)*(b))+(((c)/(7))@(a))", expr("a * b + c / K % a"));
  EXPECT_EQ("(a)@((b)@(c))", expr("a || b && c"));
  EXPECT_EQ(OP_LOR, as<BinOp>(parse("a || b && c"))->op);
  EXPECT_EQ("((a)|((b)^((c)&(a))))|(b)", expr("a | b ^ c & a | b"));
  EXPECT_EQ("((a)@(b))==((c)@(a))", expr("a < b == c >= a"));
  EXPECT_EQ("(f)@(((a),(b)),(c))", expr("f(a, b, c)"));
  EXPECT_EQ("(f)@(#)", expr("f()"));
  EXPECT_EQ(" *((p)+(2)) ", expr("p[2]"));
  EXPECT_EQ(" -( -(a) ) ", expr("- -a"));
  EXPECT_EQ(" --(a) ", expr("--a"));
  EXPECT_EQ(" (a)++ ", expr("a++"));
  EXPECT_EQ(" &( *(p) ) ", expr("&*p"));
  EXPECT_EQ("(a),((b)=(7))", expr("a, b = K"));
  // a += b = c: the assignment operators rotate together.
  BinOp* compound = as<BinOp>(parse("a += b = c"));
  ASSERT_NE(nullptr, compound);
  EXPECT_EQ(OP_ADD_ASSIGN, compound->op);
  EXPECT_EQ(OP_ASSIGN, as<BinOp>(compound->right)->op);
}

TEST_F(FrontParser, Casts) {
  Type* cast = as<Type>(parse("(unsigned char)a"));
  ASSERT_NE(nullptr, cast);
  EXPECT_EQ(TYP_GIVEN | TYP_AUTO | TYP_UNSIGNED | TYP_CHAR, cast->typ);
  EXPECT_STREQ("a", as<Var>(cast->expr)->name);
  Type* outer = as<Type>(parse("(int *)(char)(a + 1)"));
  ASSERT_NE(nullptr, outer);
  EXPECT_EQ(TYP_GIVEN | TYP_AUTO | TYP_POINTER | TYP_INT, outer->typ);
  Type* inner = as<Type>(outer->expr);
  ASSERT_NE(nullptr, inner);
  EXPECT_EQ("(a)+(1)", dump(inner->expr));
  EXPECT_EQ("a", expr("(((a)))"));
}

TEST_F(FrontParser, StatementShapes) {
  EXPECT_EQ(" statm_list( statm_list( stack_sync( statm_list( vyraz_stat((i)=(0)) , stack_sync() ) ) ,) ,) ",
            body("void m() { int i = 0, j; }"));
  EXPECT_EQ(
      " statm_list(WHILE (1)  { statm_list( statm_list( statm_list( stack_sync() ,) ,"
      " statm_list(BREAK , statm_list( statm_list( stack_sync() ,) ,) ) ) , stack_sync() ) } ,) ",
      body("void m() { while (1) { int i; break; char c; } }"));
  EXPECT_EQ(" statm_list(IF (a)  {IF (b)  { vyraz_stat((a)=(1)) } ELSE { vyraz_stat((a)=(2)) } } ,) ",
            body("int a, b; void m() { if (a) if (b) a = 1; else a = 2; }"));
  EXPECT_EQ(" statm_list(FOR( (a)@(10) ;  (a)++ ) {} ,) ", body("int a; void m() { for (a < 10; a++) ; }"));
  EXPECT_EQ(" statm_list(FOR( (a)=(0) ; (a)@(10) ;  (a)++ ) {} ,) ",
            body("int a; void m() { for (a = 0; a < 10; a++) ; }"));
  EXPECT_EQ(" statm_list(FOR( ) {} ,) ", body("void m() { for (;;) ; }"));
  EXPECT_EQ(" statm_list(SWITCH (a) {CASE 65:  statm_list(BREAK ,) ; CASE 6: ; CASE : ; } ,) ",
            body("int a; void m() { switch (a) { case 'A': break; case 2 * 3: } }"));
  // Blank and comment-only lines add nothing; the rest of the "{" line is dropped.
  EXPECT_EQ(" statm_list(ASM  LOAD s0,01 ; x\n  NOP\n,) ",
            body("void m() { asm { ignored\n LOAD s0,01 ; x\n\n// c\n\n  NOP\n } }"));
}

// The stack adjustments in a tree, in source order: S for StackSync, B for
// Break, C for Continue.
void stacks(Node* n, std::string& s) {
  if (!n) return;
  if (auto* x = as<StackSync>(n)) {
    s += "S" + std::to_string(x->stack) + " ";
    stacks(x->statm, s);
  } else if (auto* x = as<Break>(n)) {
    s += "B" + std::to_string(x->stack) + " ";
  } else if (auto* x = as<Continue>(n)) {
    s += "C" + std::to_string(x->stack) + " ";
  } else if (auto* x = as<StatmList>(n)) {
    stacks(x->first, s);
    stacks(x->rest, s);
  } else if (auto* x = as<While>(n)) {
    stacks(x->body, s);
  } else if (auto* x = as<DoWhile>(n)) {
    stacks(x->body, s);
  } else if (auto* x = as<For>(n)) {
    stacks(x->body, s);
  } else if (auto* x = as<If>(n)) {
    stacks(x->thenStatm, s);
    stacks(x->elseStatm, s);
  } else if (auto* x = as<Switch>(n)) {
    for (Case* c = x->cases; c; c = c->next) stacks(c->body, s);
  }
}

TEST_F(FrontParser, StackAdjustments) {
  auto of = [](const std::string& body) {
    InitMem(64);
    resetParser();
    InitLexanText("void m() {" + body + "}", "p.c");
    CtiSymb();
    std::string s;
    stacks(as<FunctList>(Program()->functs->next)->body, s);
    return s;
  };
  EXPECT_EQ("S-2 S-2 ", of("int i = 0, j;"));
  EXPECT_EQ("S-1 S0 S-4 S4 ", of("char a; {} { int b[2]; }"));
  // continue inside a switch releases down to the loop's level, break
  // down to the switch's.
  EXPECT_EQ("S-2 S-1 S-2 C3 S2 B0 S1 ",
            of("int x; while (x) { char c; switch (x) { case 1: { int i; continue; }"
               " default: break; } }"));
  EXPECT_EQ("S-2 B2 S2 C0 ", of("for (;;) { int i; break; } do continue; while (1);"));
}

// Builds a unit in memory and compiles it through temporary files the way
// the driver does; answers the status, the seconds it took and the length of
// the longest output line.
struct Result {
  int status;
  double seconds;
  size_t longestLine;
};

Result compileText(const std::string& text) {
  char path[] = "/tmp/front_stress_XXXXXX";
  int fd = mkstemp(path);
  EXPECT_GE(fd, 0);
  EXPECT_EQ(ssize_t(text.size()), write(fd, text.data(), text.size()));
  close(fd);
  std::FILE* sink = std::tmpfile();
  auto start = std::chrono::steady_clock::now();
  int status = runWithLargeStack([&] { return compileUnit(path, sink); });
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  out.toFile(stdout);
  unlink(path);
  std::rewind(sink);
  size_t longest = 0, current = 0;
  for (int c; (c = std::fgetc(sink)) != EOF;) {
    current = c == '\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  std::fclose(sink);
  return {status, seconds, longest};
}

std::string repeat(const std::string& s, int n) {
  std::string r;
  r.reserve(s.size() * n);
  for (int i = 0; i < n; i++) r += s;
  return r;
}

TEST(FrontStress, DeepAndLongUnits) {
  struct Case {
    const char* what;
    std::string text;
  } cases[] = {
      {"10000 nested blocks", "void main() {" + repeat("{", 10000) + repeat("}", 10000) + "}"},
      {"10000 nested parentheses",
       "int a; void main() { a = " + repeat("(", 10000) + "a" + repeat(")", 10000) + "; }"},
      {"100000 terms of |",
       "int a; void main() { a = a" + repeat(" | a", 99999) + "; }"},
      {"50000 statements", "int a; void main() {\n" + repeat("a = a + 1;\n", 50000) + "}"},
  };
  for (const Case& c : cases) {
    Result r = compileText(c.text);
    EXPECT_EQ(0, r.status) << c.what;
    EXPECT_LT(r.seconds, 30.0) << c.what;
    EXPECT_LT(r.longestLine, 100u) << c.what;  // no comment line spells out the operands
  }
}

}  // namespace
