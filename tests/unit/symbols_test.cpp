// Symbol table, scopes, storage allocation and type lists.
#include <gtest/gtest.h>

#include <string>

#include "codegen/emit.h"
#include "front/vstup.h"
#include "symbols/tabsym.h"
#include "tests/unit/diagnostic.h"


namespace {

constexpr int kStatic = TYP_GIVEN | TYP_STATIC;  // file-level declarations
constexpr int kAuto = TYP_GIVEN | TYP_AUTO;      // block-level declarations

class FrontSymbols : public testing::Test {
 protected:
  void SetUp() override {
    InitVstupText("", "s.c");  // diagnostics then name s.c, line 0
    InitMem(64);
  }
  void TearDown() override { freeSymbols(); }

  static int adr(const char* name) { return adrProm(name); }
};

TEST_F(FrontSymbols, StaticAddressesGrowDownward) {
  deklProm("g", kStatic | TYP_INT, false, 0, nullptr);
  deklProm("c", kStatic | TYP_CHAR, true, -5, nullptr);
  deklPole("a", kStatic | TYP_ARRAY | TYP_INT, 3);
  deklProm("v", kStatic | TYP_VOID, false, 0, nullptr);   // takes no byte
  deklProm("p", kStatic | TYP_POINTER | TYP_INT, false, 0, nullptr);
  deklPole("s", kStatic | TYP_ARRAY | TYP_SHORT, 0);
  EXPECT_EQ(62, adr("g"));
  EXPECT_EQ(61, adr("c"));
  EXPECT_EQ(55, adr("a"));
  EXPECT_EQ(55, adr("v"));
  EXPECT_EQ(54, adr("p"));
  EXPECT_EQ(54, adr("s"));
  EXPECT_EQ(1, lenPromKonst("p"));
  EXPECT_EQ(2, lenPromKonst("a"));
  EXPECT_EQ(0, lenPromKonst("v"));
  EXPECT_TRUE(TabSym->dalsi->dalsi->dalsi->dalsi->init_on);
  EXPECT_EQ(-5, TabSym->dalsi->dalsi->dalsi->dalsi->initvalue);
}

TEST_F(FrontSymbols, DataMemoryFullIsFatalAtTheOverflowingDeclaration) {
  deklPole("big", kStatic | TYP_ARRAY | TYP_CHAR, 62);
  deklProm("last", kStatic | TYP_INT, false, 0, nullptr);  // exactly 0..63
  EXPECT_EQ(0, adr("last"));
  EXPECT_EQ("s.c:0: data memory is full\n",
            diagnostic([] { deklProm("b", kStatic | TYP_CHAR, false, 0, nullptr); }));
}

TEST_F(FrontSymbols, FrameOffsetsParametersAndBlocks) {
  getStackSync();
  pridejZalozku();  // the function's scope: parameters and outermost locals
  ParamDeklOn();
  deklProm("a", kAuto | TYP_CHAR, false, 0, nullptr);
  deklProm("b", kAuto | TYP_INT, false, 0, nullptr);
  deklProm("k", kAuto | TYP_CONST | TYP_CHAR, false, 0, nullptr);  // const: still a slot
  deklProm("p", kAuto | TYP_POINTER | TYP_INT, false, 0, nullptr);
  deklProm("d", kAuto | TYP_INT, false, 0, nullptr);
  ParamDeklOff();
  EXPECT_EQ(1, adr("a"));
  EXPECT_EQ(2, adr("b"));
  EXPECT_EQ(4, adr("k"));
  EXPECT_EQ(Promenna, idPromKonst("k", nullptr));
  EXPECT_EQ(5, adr("p"));
  EXPECT_EQ(6, adr("d"));
  EXPECT_EQ(0, getStackSync());  // parameters do not move the stack

  deklProm("i", kAuto | TYP_INT, false, 0, nullptr);
  deklProm("c", kAuto | TYP_CHAR, false, 0, nullptr);
  EXPECT_EQ(-2, adr("i"));
  EXPECT_EQ(-3, adr("c"));
  EXPECT_EQ(-3, getStackSync());
  EXPECT_EQ(0, getStackSync());

  int loop = getStack();
  pridejZalozku();
  deklPole("arr", kAuto | TYP_ARRAY | TYP_INT, 2);
  deklProm("x", kAuto | TYP_CHAR, false, 0, nullptr);
  EXPECT_EQ(-7, adr("arr"));
  EXPECT_EQ(-8, adr("x"));
  EXPECT_EQ(5, getStackBreak(loop));
  EXPECT_EQ(5, getStackContinue(loop));
  EXPECT_EQ(-5, getStackSync());
  EXPECT_EQ(-3, odeberZalozku());
  EXPECT_EQ(5, getStackSync());
  pridejZalozku();
  deklProm("y", kAuto | TYP_INT, false, 0, nullptr);
  EXPECT_EQ(-5, adr("y"));  // the closed block's offsets are reused
  odeberZalozku();
  EXPECT_EQ(0, odeberZalozku());
  EXPECT_EQ(Zalozka, idPromKonst("a", nullptr));
}

TEST_F(FrontSymbols, ScopesShadowAndRestoreDefaults) {
  deklProm("x", kStatic | TYP_INT, false, 0, nullptr);
  deklKonst("K", kStatic | TYP_CONST | TYP_INT, -7);
  EXPECT_EQ(0x104, getDefaultTyp());
  pridejZalozku();
  EXPECT_EQ(0x404, getDefaultTyp());
  deklProm("x", kAuto | TYP_CHAR, false, 0, nullptr);
  deklKonst("y", kAuto | TYP_INT, 0);  // not const: declared as a variable
  EXPECT_EQ(kAuto | TYP_CHAR, typPromKonst("x"));
  EXPECT_EQ(Promenna, idPromKonst("y", nullptr));
  pridejZalozku();
  // A block static keeps its storage after the block.
  deklProm("s", kAuto | TYP_STATIC | TYP_CHAR, false, 0, nullptr);
  EXPECT_EQ(61, adr("s"));
  int value = 0;
  EXPECT_EQ(Konstanta, idPromKonst("K", &value));
  EXPECT_EQ(-7, value);
  odeberZalozku();
  // After an inner block the default is automatic int again (not void).
  EXPECT_EQ(0x404, getDefaultTyp());
  odeberZalozku();
  EXPECT_EQ(0x104, getDefaultTyp());
  EXPECT_EQ(kStatic | TYP_INT, typPromKonst("x"));
  EXPECT_EQ(61, lowestStaticAddress());
  deklProm("after", kStatic | TYP_CHAR, false, 0, nullptr);
  EXPECT_EQ(60, adr("after"));
  value = 123;
  EXPECT_EQ(Zalozka, idPromKonst("nothing", &value));
  EXPECT_EQ(123, value);
}

TEST_F(FrontSymbols, RedeclarationRules) {
  TypeList* ints = newTypeList(0x2404, nullptr);
  TypeList* chars = newTypeList(0x2402, nullptr);
  TypeList* ints2 = newTypeList(0x2404, nullptr);
  const int fn = kStatic | TYP_INT | TYP_FUNCTION;
  deklProm("f", fn | TYP_PROTOTYPE, false, 0, ints);
  deklProm("f", fn | TYP_PROTOTYPE, false, 0, ints2);  // repeated prototype
  deklProm("f", fn, false, 0, ints2);                   // the definition
  EXPECT_EQ(fn, typPromKonst("f"));
  EXPECT_EQ(fn, TabSym->dalsi->typ);  // the prototype lost its prototype bit
  deklProm("x", kStatic | TYP_INT, false, 0, nullptr);
  deklPole("a", kStatic | TYP_ARRAY | TYP_INT, 2);
  deklKonst("c", kStatic | TYP_CONST | TYP_INT, 1);

  auto expect = [&](const char* name, const char* message, auto work) {
    EXPECT_EQ(std::string("s.c:0: identificator \"") + name + "\" " + message + "\n",
              diagnostic(work));
  };
  expect("x", "druha deklarace", [] { deklProm("x", kStatic | TYP_INT, false, 0, nullptr); });
  expect("a", "druha deklarace", [] { deklProm("a", kStatic | TYP_CHAR, false, 0, nullptr); });
  expect("a", "second declaration", [] { deklPole("a", kStatic | TYP_ARRAY | TYP_INT, 2); });
  expect("c", "second declaration", [] { deklKonst("c", kStatic | TYP_CONST | TYP_INT, 2); });
  expect("f", "druha deklarace", [&] { deklProm("f", fn, false, 0, ints); });
  expect("f", "druha deklarace", [&] { deklProm("f", fn | TYP_PROTOTYPE, false, 0, ints); });
  expect("x", "druha deklarace", [&] { deklProm("x", fn, false, 0, nullptr); });

  // Each failed call may have changed the entry, so every case has its own name.
  for (const char* g : {"g1", "g2", "g3"}) deklProm(g, fn | TYP_PROTOTYPE, false, 0, ints);
  expect("g1", "parameters types are not identical with previous declaration",
         [&] { deklProm("g1", fn, false, 0, chars); });
  expect("g2", "parameters types are not identical with previous declaration",
         [&] { deklProm("g2", fn, false, 0, nullptr); });
  expect("g3", "druha deklarace",
         [&] { deklProm("g3", (fn & ~TYP_INT) | TYP_CHAR, false, 0, ints); });
  deklProm("h", fn | TYP_PROTOTYPE, false, 0, nullptr);
  expect("h", "parameters types are not identical with previous declaration",
         [&] { deklProm("h", fn, false, 0, ints); });

  expect("zz", "not declared", [] { typPromKonst("zz"); });
  expect("c", "is not variable", [] { adrProm("c"); });
  EXPECT_EQ("s.c:0: termination of block of variables which have not started\n",
            diagnostic([] { odeberZalozku(); }));
}

TEST_F(FrontSymbols, TypeLists) {
  // f(int a, char *b, int c): the list starts with the last parameter.
  TypeList* a = newTypeList(0x2404, nullptr);
  TypeList* ab = newTypeList(0x2482, a);
  TypeList* abc = newTypeList(0x2404, ab);
  EXPECT_EQ(3, abc->ParameterCount());
  EXPECT_EQ(5, abc->SizeCount());
  EXPECT_TRUE(abc->Compare(newTypeList(0x2404, newTypeList(0x2482, newTypeList(0x2404, nullptr)))));
  EXPECT_FALSE(abc->Compare(ab));
  EXPECT_FALSE(ab->Compare(abc));
  EXPECT_FALSE(ab->Compare(newTypeList(0x2404, newTypeList(0x2482, nullptr))));
  EXPECT_FALSE(a->Compare(nullptr));
  EXPECT_EQ("2404,2482,2482", newTypeList(0x2482, ab)->text());
}

}  // namespace
