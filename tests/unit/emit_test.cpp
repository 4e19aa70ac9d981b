// The register-level helpers every translation is built from, the label
// counter and the output stream, checked on their exact text.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "codegen/emit.h"
#include "front/vstup.h"
#include "symbols/tabsym.h"
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

}  // namespace
