// Tree optimizer: constant folding, dead code removal, stack adjustments.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "front/vstup.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"


namespace {

class FrontOptimizer : public testing::Test {
 protected:
  void SetUp() override { InitVstupText("", "o.c"); }
  void TearDown() override { freeAllNodes(); }

  static Numb* n(int value) { return new Numb(value); }
  static Var* v(const char* name) { return new Var(name, -2, TYP_GIVEN | TYP_AUTO | TYP_INT); }
  static BinOp* bin(Operator op, Expr* l, Expr* r) { return new BinOp(op, l, r); }
  static Statm* stat(Expr* e) { return new VyrazStat(e); }
  static StatmList* list(Statm* a, Statm* rest = nullptr) { return new StatmList(a, rest); }
  static Node* opt(Node* node) { return node->Optimize(); }

  // The folded value; fails the test when the node did not fold.
  static int folded(Node* node) {
    Numb* numb = as<Numb>(opt(node));
    EXPECT_NE(nullptr, numb);
    return numb ? numb->value : 0x7eadbeef;
  }
  static int folded(Operator op, int l, int r) { return folded(bin(op, n(l), n(r))); }
};

TEST_F(FrontOptimizer, FoldsEveryOperatorIn32Bits) {
  EXPECT_EQ(14, folded(bin(OP_ADD, n(2), bin(OP_MUL, n(3), n(4)))));
  EXPECT_EQ(0, folded(OP_MUL, 65536, 65536));
  EXPECT_EQ(-2, folded(OP_MUL, INT_MAX, 2));
  EXPECT_EQ(-3, folded(OP_DIV, 7, -2));
  EXPECT_EQ(INT_MIN, folded(OP_DIV, INT_MIN, -1));
  EXPECT_EQ(-1, folded(OP_MOD, -7, 2));
  EXPECT_EQ(1, folded(OP_MOD, 7, -2));
  EXPECT_EQ(0, folded(OP_MOD, INT_MIN, -1));
  EXPECT_EQ(INT_MIN, folded(OP_ADD, INT_MAX, 1));
  EXPECT_EQ(INT_MAX, folded(OP_SUB, INT_MIN, 1));
  EXPECT_EQ(2, folded(OP_SHL, 1, 33));
  EXPECT_EQ(INT_MIN, folded(OP_SHL, 1, -1));
  EXPECT_EQ(-4, folded(OP_SHR, -8, 1));
  EXPECT_EQ(-1, folded(OP_SHR, -1, 40));
  EXPECT_EQ(int(0xC0000000u), folded(OP_SHR, INT_MIN, 33));  // copies the sign bit
  EXPECT_EQ(1, folded(OP_LT, -1, 1));
  EXPECT_EQ(0, folded(OP_LT, 1, 1));
  EXPECT_EQ(1, folded(OP_LE, 1, 1));
  EXPECT_EQ(0, folded(OP_GT, -1, 1));
  EXPECT_EQ(1, folded(OP_GE, 1, 1));
  EXPECT_EQ(1, folded(OP_EQ, 5, 5));
  EXPECT_EQ(0, folded(OP_NE, 5, 5));
  EXPECT_EQ(0x0C, folded(OP_AND, 0x0E, 0x1D));
  EXPECT_EQ(0x13, folded(OP_XOR, 0x0E, 0x1D));
  EXPECT_EQ(0x1F, folded(OP_OR, 0x0E, 0x1D));
  EXPECT_EQ(1, folded(OP_LOR, 0, -5));
  EXPECT_EQ(0, folded(OP_LOR, 0, 0));
  EXPECT_EQ(1, folded(OP_LAND, 2, 3));
  EXPECT_EQ(0, folded(OP_LAND, 2, 0));
  EXPECT_EQ(-1, folded(new BitNeg(n(0))));
  EXPECT_EQ(-200, folded(new UnMinus(n(200))));
  EXPECT_EQ(INT_MIN, folded(new UnMinus(n(INT_MIN))));
  EXPECT_EQ(0, folded(new LogNeg(n(7))));
  EXPECT_EQ(1, folded(new LogNeg(bin(OP_SUB, n(3), n(3)))));
}

TEST_F(FrontOptimizer, WhatIsNotFolded) {
  for (Operator op : {OP_DIV, OP_MOD}) {
    BinOp* b = bin(op, n(5), n(0));
    EXPECT_EQ(b, opt(b)) << op;
  }
  for (Operator op : {OP_COMMA, OP_ASSIGN, OP_ADD_ASSIGN, OP_CALL}) {
    BinOp* b = bin(op, n(1), n(2));
    EXPECT_EQ(b, opt(b)) << op;
  }
  // Nothing under a cast is folded.
  BinOp* sum = bin(OP_ADD, n(1), n(2));
  Type* cast = new Type(TYP_GIVEN | TYP_AUTO | TYP_CHAR, sum);
  EXPECT_EQ(cast, opt(cast));
  EXPECT_EQ(sum, cast->expr);
  // The selector of a switch stays, only its parts are folded.
  Case* c = new Case(n(1), list(new If(n(0), stat(v("a")), nullptr)), nullptr);
  Switch* s = new Switch(bin(OP_ADD, n(1), n(1)), c);
  EXPECT_EQ(s, opt(s));
  EXPECT_EQ(2, as<Numb>(s->expr)->value);
  EXPECT_EQ(nullptr, c->body);
}

TEST_F(FrontOptimizer, ResultTypesAndPositions) {
  CisloRadku = 5;
  BinOp* b = bin(OP_ADD, n(200), n(100));
  Expr* x = v("x");
  BinOp* lor = bin(OP_LOR, x, n(1));
  CisloRadku = 9;
  Numb* sum = as<Numb>(opt(b));
  ASSERT_NE(nullptr, sum);
  EXPECT_EQ(0x1804, sum->typ);
  EXPECT_EQ(5, sum->line);
  EXPECT_STREQ("o.c", sum->file);
  Numb* one = as<Numb>(opt(lor));
  ASSERT_NE(nullptr, one);
  EXPECT_EQ(9, one->line);  // made at the pass, not at the operator
  EXPECT_EQ(0x1002, as<Numb>(opt(bin(OP_SUB, n(1), n(2))))->typ);
  EXPECT_EQ(0x1802, as<Numb>(opt(bin(OP_GT, n(3), n(2))))->typ);
  EXPECT_EQ(0x1004, as<Numb>(opt(new UnMinus(n(200))))->typ);
}

TEST_F(FrontOptimizer, LogicalOperatorsWithOneConstantSide) {
  EXPECT_EQ(1, folded(bin(OP_LOR, v("x"), n(1))));
  EXPECT_EQ(1, folded(bin(OP_LOR, n(-3), v("x"))));
  EXPECT_EQ(0, folded(bin(OP_LAND, bin(OP_CALL, v("f"), nullptr), n(0))));
  EXPECT_EQ(0, folded(bin(OP_LAND, n(0), v("x"))));
  for (BinOp* b : {bin(OP_LOR, v("x"), n(0)), bin(OP_LOR, n(0), v("x")),
                   bin(OP_LAND, v("x"), n(1)), bin(OP_LAND, n(1), v("x")),
                   bin(OP_ADD, v("x"), n(0))})
    EXPECT_EQ(b, opt(b));
}

TEST_F(FrontOptimizer, AddressOfDereference) {
  Var* p = v("p");
  EXPECT_EQ(p, opt(new Ref(new Deref(p))));
  BinOp* index = bin(OP_ADD, v("a"), bin(OP_ADD, n(1), n(1)));
  EXPECT_EQ(index, opt(new Ref(new Deref(index))));
  EXPECT_EQ(2, as<Numb>(index->right)->value);
  Ref* plain = new Ref(v("x"));
  EXPECT_EQ(plain, opt(plain));
}

TEST_F(FrontOptimizer, ConstantConditions) {
  CisloRadku = 3;
  Statm* a = stat(v("a"));
  If* pick = new If(bin(OP_EQ, n(1), n(1)), a, stat(v("b")));
  CisloRadku = 4;
  EXPECT_EQ(a, opt(pick));
  EXPECT_EQ(3, a->line);  // the branch takes the if's place
  Statm* b = stat(v("b"));
  EXPECT_EQ(b, opt(new If(n(0), stat(v("a")), b)));
  EXPECT_EQ(nullptr, opt(new If(n(0), stat(v("a")), nullptr)));
  If* open = new If(v("c"), nullptr, nullptr);
  EXPECT_EQ(open, opt(open));

  EXPECT_NE(nullptr, as<Empty>(opt(new While(n(0), stat(v("a"))))));
  While* forever = new While(n(2), stat(v("a")));
  EXPECT_EQ(forever, opt(forever));

  Expr* init = v("i");
  VyrazStat* initOnly = as<VyrazStat>(opt(new For(init, n(0), v("s"), stat(v("a")))));
  ASSERT_NE(nullptr, initOnly);
  EXPECT_EQ(init, initOnly->expr);
  EXPECT_EQ(nullptr, opt(new For(nullptr, bin(OP_LT, n(2), n(1)), nullptr, nullptr)));
  For* noCond = new For(v("i"), nullptr, nullptr, nullptr);
  EXPECT_EQ(noCond, opt(noCond));
  For* always = new For(nullptr, n(1), nullptr, nullptr);
  EXPECT_EQ(always, opt(always));
}

TEST_F(FrontOptimizer, DoWhileZeroRunsItsBodyOnceUnlessItJumpsOut) {
  Statm* s = stat(v("a"));
  EXPECT_EQ(s, opt(new DoWhile(n(0), s)));
  EXPECT_EQ(nullptr, opt(new DoWhile(n(0), nullptr)));
  DoWhile* endless = new DoWhile(n(1), s);
  EXPECT_EQ(endless, opt(endless));

  auto inSwitch = [](Statm* body) { return new Switch(v("k"), new Case(nullptr, body, nullptr)); };
  // Jumps that leave this loop keep the loop.
  for (Statm* body : {(Statm*)new Break(0), (Statm*)list(stat(v("a")), new Continue(0)),
                      (Statm*)new If(v("c"), nullptr, list(list(new Break(2)))),
                      (Statm*)new StackSync(-2, list(new If(v("c"), new Continue(2), nullptr))),
                      (Statm*)inSwitch(list(new If(v("c"), new Continue(0), nullptr)))}) {
    DoWhile* loop = new DoWhile(n(0), body);
    EXPECT_EQ(loop, opt(loop));
  }
  // Jumps that belong to an inner loop or switch do not.
  for (Statm* body : {(Statm*)new While(v("c"), new Break(0)),
                      (Statm*)new DoWhile(v("c"), new Continue(0)),
                      (Statm*)new For(nullptr, v("c"), nullptr, list(new Continue(0))),
                      (Statm*)inSwitch(list(new Break(0)))}) {
    Statm* inner = list(stat(v("a")), body);
    EXPECT_EQ(inner, opt(new DoWhile(n(0), inner)));
  }
}

TEST_F(FrontOptimizer, StatementLists) {
  // { a; return; b; c; } keeps a and the return.
  Statm* a = stat(v("a"));
  Return* ret = new Return(nullptr);
  StatmList* l = list(a, list(ret, list(stat(v("b")), list(stat(v("c"))))));
  EXPECT_EQ(l, opt(l));
  EXPECT_EQ(a, l->first);
  EXPECT_EQ(ret, l->rest);
  // Empty statements and vanished statements drop out anywhere.
  Statm* b = stat(v("b"));
  StatmList* second = list(b, list(new Empty, list(new If(n(0), a, nullptr))));
  EXPECT_EQ(second, opt(list(new Empty, second)));
  EXPECT_EQ(b, second->first);
  EXPECT_EQ(nullptr, second->rest);
  EXPECT_EQ(nullptr, opt(list(new Empty, list(nullptr))));
  // A jump nested inside the first item does not cut the list.
  StatmList* guarded = list(new If(v("c"), new Break(0), nullptr), list(b));
  EXPECT_EQ(guarded, opt(guarded));
  EXPECT_NE(nullptr, guarded->rest);
  Continue* cont = new Continue(0);
  EXPECT_EQ(cont, opt(list(cont, list(b))));
}

TEST_F(FrontOptimizer, StackAdjustmentsMerge) {
  Statm* s = stat(v("a"));
  StackSync* merged = as<StackSync>(
      opt(new StackSync(-2, new StackSync(-1, new StackSync(-4, s)))));
  ASSERT_NE(nullptr, merged);
  EXPECT_EQ(-7, merged->stack);
  EXPECT_EQ(s, merged->statm);
  StackSync* last = new StackSync(-2, nullptr);
  EXPECT_EQ(last, opt(last));
  StackSync* inner = new StackSync(-1, nullptr);
  EXPECT_EQ(inner, opt(new StackSync(-2, inner)));
  EXPECT_EQ(-3, inner->stack);
  StackSync* kept = new StackSync(-2, list(s, new StackSync(-1, nullptr)));
  EXPECT_EQ(kept, opt(kept));
}

}  // namespace
