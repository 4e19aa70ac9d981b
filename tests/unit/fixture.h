// Shared test fixture for the front end: parse from text, capture a
// diagnostic, and dump a tree with the real operator names.
//
// The nodes' own text prints "@" for several operators (%, <<, <, &&, ||
// and more), so a test comparing that text would not see two of them
// swapped; tree() spells every operator out.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "codegen/emit.h"
#include "front/lexan.h"
#include "front/parser.h"
#include "front/vstup.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

// Runs `work`, which must end the run with status 1; returns what it printed
// on standard error.
template <class F>
std::string diagnostic(F work) {
  testing::internal::CaptureStderr();
  try {
    work();
  } catch (const RunEnded& end) {
    EXPECT_EQ(1, end.status);
    return testing::internal::GetCapturedStderr();
  }
  return "no diagnostic: " + testing::internal::GetCapturedStderr();
}

inline const char* operatorName(Operator op) {
  static const char* const names[] = {
      "*", "/", "%", "+", "-", "<<", ">>", "<", "<=", ">", ">=", "==", "!=", "&", "^", "|",
      "||", "&&", ",", "none", "=", "*=", "/=", "%=", "+=", "-=", "<<=", ">>=", "&=", "^=",
      "|=", "call"};
  return names[op];
}

// The tree in a compact prefix form: expressions fully parenthesized with
// their operators, statements by keyword, stack adjustments as "sync-2{...}".
inline std::string tree(Node* n) {
  if (!n) return "";
  if (auto* x = as<Numb>(n)) return std::to_string(x->value);
  if (auto* x = as<Var>(n)) return x->name;
  if (auto* x = as<BinOp>(n))
    return "(" + tree(x->left) + " " + operatorName(x->op) + " " + tree(x->right) + ")";
  if (auto* x = as<Type>(n)) {
    char type[16];
    std::snprintf(type, sizeof type, "%X", unsigned(x->typ));
    return "(cast " + std::string(type) + " " + tree(x->expr) + ")";
  }
  if (auto* x = dynamic_cast<UnaryExpr*>(n)) {
    const char* name = as<PrefixPlus>(n) ? "++" : as<PrefixMinus>(n) ? "--"
                     : as<PostfixPlus>(n) ? "post++" : as<PostfixMinus>(n) ? "post--"
                     : as<Ref>(n) ? "&" : as<Deref>(n) ? "*" : as<LogNeg>(n) ? "!"
                     : as<BitNeg>(n) ? "~" : as<UnMinus>(n) ? "-" : "?";
    return name + tree(x->expr);
  }
  if (auto* x = as<VyrazStat>(n)) return tree(x->expr) + ";";
  if (auto* x = as<StatmList>(n)) {
    std::string rest = tree(x->rest);
    return tree(x->first) + (rest.empty() ? "" : " " + rest);
  }
  if (auto* x = as<StackSync>(n)) return "sync" + std::to_string(x->stack) + "{" + tree(x->statm) + "}";
  if (auto* x = as<If>(n))
    return "if " + tree(x->cond) + " {" + tree(x->thenStatm) + "} else {" + tree(x->elseStatm) + "}";
  if (auto* x = as<While>(n)) return "while " + tree(x->cond) + " {" + tree(x->body) + "}";
  if (auto* x = as<DoWhile>(n)) return "do {" + tree(x->body) + "} while " + tree(x->cond);
  if (auto* x = as<For>(n))
    return "for " + tree(x->init) + "; " + tree(x->cond) + "; " + tree(x->step) + " {" + tree(x->body) + "}";
  if (auto* x = as<Switch>(n)) {
    std::string text = "switch " + tree(x->expr) + " {";
    for (Case* c = x->cases; c; c = c->next)
      text += (c->value ? "[case " + tree(c->value) : std::string("[default")) + ": " + tree(c->body) + "]";
    return text + "}";
  }
  if (auto* x = as<Break>(n)) return "break" + std::to_string(x->stack) + ";";
  if (auto* x = as<Continue>(n)) return "continue" + std::to_string(x->stack) + ";";
  if (auto* x = as<Return>(n)) return "return " + tree(x->expr) + ";";
  if (auto* x = as<InlineAsm>(n)) return std::string("asm{") + x->text + "}";
  return as<Empty>(n) ? "" : "?";
}

class FrontTest : public testing::Test {
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

  // One expression inside a scope that sees a, b, c (int), p (int *),
  // f (a function) and the constant K = 7; the whole text must be consumed.
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
  static std::string expr(const std::string& text) { return tree(parse(text)); }

  // The body of the last function of a unit, as the parser built it.
  static std::string body(const std::string& unit) {
    InitMem(64);
    resetParser();
    InitLexanText(unit, "p.c");
    CtiSymb();
    Funct* f = Program()->functs;
    while (as<FunctList>(f)->next) f = as<FunctList>(f)->next;
    return tree(as<FunctList>(f)->body);
  }
};
