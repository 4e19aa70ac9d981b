// The register-level helpers every translation is built from, the label
// counter and the output stream, checked on their exact text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "front/vstup.h"
#include "symbols/tabsym.h"
#include "tree/emit.h"
#include "tree/strom.h"

namespace {

class Emit : public ::testing::Test {
 protected:
  void SetUp() override {
    resetLabels();
    out.toString(&text);
  }
  void TearDown() override {
    out.toFile(nullptr);
    freeAllNodes();
  }
  // What was written since the last call.
  std::string written() {
    out.flush();
    std::string result = text;
    text.clear();
    return result;
  }

  std::string text;
  Numb* node = new Numb(0);  // any node: the helpers use it only as a position
};

TEST_F(Emit, LabelsCountFromZeroAndNeverRepeat) {
  EXPECT_EQ(NewLabel(), 0);
  EXPECT_EQ(NewLabel(), 1);
  putLabel(7);
  EXPECT_EQ(written(), "label_7:\n");
}

TEST_F(Emit, PushHighByteFirstAndPopLowByteFirst) {
  node->PUSH(0);
  node->POP(0);
  EXPECT_EQ(written(), "");
  node->PUSH(2);
  node->POP(2);
  EXPECT_EQ(written(),
            "        SUB     sF,01\n        STORE   s3,(sF)\n        SUB     sF,01\n        STORE   s2,(sF)\n"
            "        FETCH   s0,(sF)\n        ADD     sF,01\n        FETCH   s1,(sF)\n        ADD     sF,01\n");
  node->PUSH(1);
  node->POP(1);
  EXPECT_EQ(written(), "        SUB     sF,01\n        STORE   s2,(sF)\n        FETCH   s0,(sF)\n        ADD     sF,01\n");
}

TEST_F(Emit, StoreThroughTheOtherPairsLowRegister) {
  EXPECT_EQ(node->STORE(0, TYP_INT), 2);
  EXPECT_EQ(written(), "        STORE   s0,(s2)\n        ADD     s2,1\n        STORE   s1,(s2)\n");
  EXPECT_EQ(node->STORE(1, TYP_CHAR | TYP_POINTER), 1);
  EXPECT_EQ(written(), "        STORE   s2,(s0)\n");
}

TEST_F(Emit, StoreAtKnownAddress) {
  node->STOREC(1, TYP_INT, 0x3E, TYP_STATIC);
  EXPECT_EQ(written(), "        STORE   s2,3E\n        STORE   s3,3F\n");
  node->STOREC(0, TYP_CHAR, 0, TYP_AUTO);
  EXPECT_EQ(written(), "        LOAD    sD,sE\n        STORE   s0,(sD)\n");
  node->STOREC(1, TYP_INT, -2, TYP_AUTO);
  EXPECT_EQ(written(), "        LOAD    sD,sE\n        SUB     sD,02\n        STORE   s2,(sD)\n"
                       "        ADD     sD,01\n        STORE   s3,(sD)\n");
  node->STOREC(1, TYP_CHAR, 3, TYP_AUTO);
  EXPECT_EQ(written(), "        LOAD    sD,sE\n        ADD     sD,03\n        STORE   s2,(sD)\n");
  node->STOREC(1, TYP_CHAR, 3, 0);
  EXPECT_EQ(written(), "");
  EXPECT_THROW(node->STOREC(1, TYP_CHAR, 3, TYP_STATIC | TYP_CONST), RunEnded);
}

TEST_F(Emit, CastWidensBySignednessAndNeverNarrows) {
  EXPECT_EQ(node->CAST(1, TYP_CHAR, TYP_INT), TYP_INT);
  EXPECT_EQ(written(), "        LOAD    s3,s2\n        AND     s3,80\n        JUMP    Z,label_0\n"
                       "        LOAD    s3,FF\nlabel_0:\n");
  node->CAST(0, TYP_CHAR | TYP_UNSIGNED, TYP_INT);
  EXPECT_EQ(written(), "        LOAD    s1,00\n");
  node->CAST(1, TYP_VOID, TYP_SHORT);
  EXPECT_EQ(written(), "        LOAD    s2,00\n        LOAD    s3,00\n");
  EXPECT_EQ(node->CAST(1, TYP_INT, TYP_CHAR), TYP_CHAR);
  node->CAST(1, TYP_INT, TYP_SHORT);
  EXPECT_EQ(written(), "");
}

TEST_F(Emit, CommonTypeOfTwoOperands) {
  EXPECT_EQ(node->CONV(1, TYP_CHAR, TYP_INT), TYP_CONST | TYP_INT);
  EXPECT_EQ(node->CONV(1, TYP_INT | TYP_UNSIGNED, TYP_INT), TYP_CONST | TYP_INT);
  EXPECT_EQ(node->CONV(1, TYP_INT | TYP_UNSIGNED, TYP_SHORT | TYP_UNSIGNED), TYP_CONST | TYP_UNSIGNED | TYP_INT);
  EXPECT_EQ(node->CONV(1, TYP_CHAR | TYP_POINTER, TYP_CHAR), TYP_CONST | TYP_POINTER | TYP_CHAR);
  EXPECT_EQ(node->CONV(1, TYP_VOID, TYP_VOID), TYP_CONST | TYP_VOID);
}

TEST_F(Emit, LongLinesAndLargeWritesArriveWhole) {
  std::string name(300, 'n');
  out.printf("%s\n", name.c_str());
  EXPECT_EQ(written(), name + "\n");
  std::string large(3 << 20, 'x');
  out.puts("a");
  out.write(large.data(), large.size());
  out.puts("b");
  EXPECT_EQ(written(), "a" + large + "b");
}

TEST_F(Emit, FailedWriteIsReported) {
  std::FILE* full = std::fopen("/dev/full", "w");
  if (!full) GTEST_SKIP() << "no /dev/full";
  std::string large(3 << 20, 'x');
  out.toFile(full);
  EXPECT_THROW(out.write(large.data(), large.size()), RunEnded);
  out.toFile(full);
  out.puts("text");
  EXPECT_FALSE(out.flush());
  out.toFile(nullptr);
  std::fclose(full);
}

// The textual forms: operands as they appear in the comments of + and -,
// and the statement forms of the tree dump.
TEST_F(Emit, PrintedForms) {
  auto v = [](const char* name) { return new Var(name, 0, TYP_STATIC | TYP_CHAR); };
  Expr* operands[] = {
      new Ref(v("a")),         new Deref(v("a")),          new LogNeg(v("a")),
      new BitNeg(v("a")),      new UnMinus(v("a")),        new PostfixPlus(v("a")),
      new PostfixMinus(v("a")), new PrefixPlus(v("a")),    new PrefixMinus(v("a")),
      new Type(0x2404, v("a")), new Numb(-5),
      new BinOp(OP_MOD, v("a"), nullptr), new BinOp(OP_SHL, nullptr, v("b")),
      new BinOp(OP_NE, v("a"), new BinOp(OP_MUL, v("b"), new Numb(2))),
      new BinOp(OP_COMMA, v("a"), new BinOp(OP_OR, v("b"), new BinOp(OP_XOR, v("c"), v("d")))),
  };
  for (Expr* e : operands) {
    e->print();
    out.puts("|");
  }
  EXPECT_EQ(written(),
            " &(a) | *(a) | !(a) | ~(a) | -(a) | (a)++ | (a)-- | ++(a) | --(a) |(cast 9220)|-5|"
            "(a)@(#)|(#)@(b)|(a)!=((b)*(2))|(a),((b)|((c)^(d)))|");

  Case* cases = new Case(new Numb(2), new Irq(true), new Case(nullptr, new InlineAsm("LOAD s0,05 ; 100%\n"), nullptr));
  Statm* body = new StatmList(
      new If(v("c"), new VyrazStat(new BinOp(OP_ASSIGN, v("c"), new Numb(1))), new Break(0)),
      new StatmList(new While(v("c"), new Continue(0)),
                    new StatmList(new DoWhile(new Numb(1), new Empty()),
                                  new StatmList(new For(nullptr, v("c"), nullptr, new Return(v("c"))),
                                                new StatmList(new Switch(v("c"), cases),
                                                              new StackSync(-2, new Irq(false)))))));
  (new Prog(new FunctList("", nullptr, new FunctList("f", body, nullptr))))->print();
  EXPECT_EQ(written(),
            "Function:\nFunction:f\n"
            " statm_list(IF (c)  { vyraz_stat((c)=(1)) } ELSE {BREAK } ,"
            " statm_list(WHILE (c)  {CONTINUE } ,"
            " statm_list(DO {} WHILE (1); ,"
            " statm_list(FOR( c ; ) {RETURN c} ,"
            " statm_list(SWITCH (c) {CASE 2: IRQ_ON;; CASE : ASM LOAD s0,05 ; 100%\n; } ,"
            " stack_sync(IRQ_OFF;) ) ) ) ) ) ");
}

}  // namespace
