// The warnings type expressions ahead of the code generator; these tests
// translate every pairing of operand kinds and operators and hold the two
// results side by side, so a change to either side that the other does not
// follow shows up here.
#include <gtest/gtest.h>

#include <string>

#include "codegen/emit.h"
#include "front/lexan.h"
#include "front/parser.h"
#include "symbols/tabsym.h"
#include "warn/check.h"

namespace {

const char* const kOperands[] = {"c", "u", "i", "w", "p", "q", "r", "5", "300", "-3", "(int)c", "f()", "*q"};
const char* const kBinary[] = {"+", "-", "*", "/", "%", "<", "<=", ">", ">=", "==", "!=",
                               "&", "|", "^", "&&", "||", "=", "+=", "-=", "&=", ">>=", ","};
const char* const kUnary[] = {"-", "~", "!", "++", "--", "&", "*"};

void quiet(const Diagnostic&) {}

// The size, signedness and pointer bit of a type word: what the warnings use.
std::string shape(int typ) {
  return std::to_string(typeSize(typ)) + (typ & TYP_UNSIGNED ? "u" : "s") + (typ & TYP_POINTER ? "*" : "");
}

// Parses `text` in a function that sees c (char), u (unsigned char),
// i (int), w (unsigned int), p (char *), q (int *), r (char[4]) and
// f (an int function); translates it and compares the types.  Expressions
// the generator rejects are skipped.
void compare(const std::string& text) {
  InitMem(64);
  resetParser();
  pridejZalozku();
  deklProm("f", TYP_INT | TYP_FUNCTION | TYP_PROTOTYPE, false, 0, nullptr);
  pridejZalozku();
  const std::pair<const char*, int> vars[] = {
      {"c", TYP_CHAR}, {"u", TYP_CHAR | TYP_UNSIGNED}, {"i", TYP_INT}, {"w", TYP_INT | TYP_UNSIGNED},
      {"p", TYP_CHAR | TYP_POINTER}, {"q", TYP_INT | TYP_POINTER}};
  for (const auto& v : vars) deklProm(v.first, v.second | TYP_AUTO, false, 0, nullptr);
  deklPole("r", TYP_CHAR | TYP_AUTO | TYP_ARRAY, 4);
  std::string sink;
  out.toString(&sink);
  setReporter(quiet);
  try {
    InitLexanText(text, "t.c");
    CtiSymb();
    Expr* e = Vyraz();
    ASSERT_TRUE(e && Symb == KONEC) << text;
    std::string expected = shape(expectedType(e));
    e = static_cast<Expr*>(e->Optimize());
    e->Translate();
    EXPECT_EQ(expected, shape(e->typ)) << text;
  } catch (const RunEnded&) {
  }
  setReporter(nullptr);
  out.toFile(stdout);
  freeAllNodes();
  freeSymbols();
}

TEST(WarningTypes, BinaryOperatorsOnEveryPairOfOperands) {
  for (const char* l : kOperands)
    for (const char* op : kBinary)
      for (const char* r : kOperands) compare(std::string(l) + " " + op + " " + r);
}

TEST(WarningTypes, ShiftsCastsFoldingAndUnaryOperators) {
  for (const char* l : kOperands)
    for (const char* shift : {" << 3", " >> 1", " << 0", " >> 9"}) compare(l + std::string(shift));
  for (const char* cast : {"(char)", "(unsigned char)", "(int)", "(unsigned)", "(char *)", "(int *)"})
    for (const char* e : kOperands) compare(cast + std::string(e));
  for (const char* folded : {"2 * 3", "200 + 100", "-1 < 0", "7 / 0", "i || 1", "0 && f()", "!5", "~0", "1 << 8"})
    compare(folded);
  for (const char* op : kUnary)
    for (const char* e : {"c", "u", "i", "w", "p", "q", "r[1]", "*p", "5"}) compare(op + std::string(e));
  for (const char* e : {"c++", "u--", "i++", "p++", "q--"}) compare(e);
}

}  // namespace
