// Reader (line buffering, line markers, end of input) and lexer (tokens,
// values, positions and lexical diagnostics). The parser's trees show in
// the golden outputs of tests/cases.
#include <gtest/gtest.h>

#include <vector>

#include "diag/diagnostics.h"
#include "front/lexan.h"
#include "front/vstup.h"

namespace {

struct Token {
  LexSymbol symb;
  int value;  // Cislo for NUMB, else 0
  std::string ident;
  int line;
  bool operator==(const Token& o) const {
    return symb == o.symb && value == o.value && ident == o.ident && line == o.line;
  }
};

std::ostream& operator<<(std::ostream& os, const Token& t) {
  return os << LexSymboly[t.symb] << "(" << t.value << ",\"" << t.ident << "\")@" << t.line;
}

std::vector<Token> lex(const std::string& text) {
  InitLexanText(text, "t.c");
  std::vector<Token> tokens;
  for (;;) {
    CtiSymb();
    if (Symb == KONEC) return tokens;
    tokens.push_back({Symb, Symb == NUMB ? Cislo : 0, Symb == IDENT ? Ident : "", CisloRadku});
  }
}

std::vector<LexSymbol> symbols(const std::string& text) {
  std::vector<LexSymbol> s;
  for (const Token& t : lex(text)) s.push_back(t.symb);
  return s;
}

std::vector<int> numbers(const std::string& text) {
  std::vector<int> v;
  for (const Token& t : lex(text)) v.push_back(t.symb == NUMB ? t.value : -999);
  return v;
}

// What lexing `text` prints on standard error; it must end the run with status 1.
std::string lexDiagnostic(const std::string& text) {
  testing::internal::CaptureStderr();
  try {
    lex(text);
  } catch (const RunEnded& end) {
    EXPECT_EQ(1, end.status);
    return testing::internal::GetCapturedStderr();
  }
  return "no diagnostic: " + testing::internal::GetCapturedStderr();
}

std::string readAll(const std::string& text) {
  InitVstupText(text, "t.c");
  std::string chars;
  for (int c; (c = CtiZnak()) != -1;) chars += char(c);
  EXPECT_EQ(-1, CtiZnak());  // the end stays the end
  return chars;
}

TEST(FrontReader, LinesAreSplitAt511Characters) {
  std::string chars = readAll(std::string(600, 'a') + "\nb");
  EXPECT_EQ(std::string(511, 'a') + "\n" + std::string(89, 'a') + "\nb\n", chars);
  EXPECT_EQ(3, CisloRadku);  // the long line counts twice; the last line has no newline

  // A number straddling position 511 becomes two numbers on two lines.
  std::vector<Token> t = lex(std::string(509, ' ') + "12345;\n");
  ASSERT_EQ(3u, t.size());
  EXPECT_EQ((Token{NUMB, 12, "", 1}), t[0]);
  EXPECT_EQ((Token{NUMB, 345, "", 2}), t[1]);
}

TEST(FrontReader, ZeroByteAndFFEndTheirLineAndTheInput) {
  EXPECT_EQ("a\nc\n", readAll(std::string("a\0b\nc\n", 6)));
  EXPECT_EQ(2, CisloRadku);
  for (const char* text : {"a \xff b\n", "a /* \xff */ b", "a // \xff\nb"})
    EXPECT_EQ((std::vector<LexSymbol>{IDENT}), symbols(text)) << text;
}

TEST(FrontReader, LineMarkers) {
  std::vector<Token> t = lex("int a;\n@lib.c:120:int x;\ny\n");
  EXPECT_EQ((Token{IDENT, 0, "x", 120}), t[4]);
  EXPECT_EQ((Token{IDENT, 0, "y", 121}), t[6]);
  EXPECT_STREQ("lib.c", JmenoSouboru);
  EXPECT_EQ(7u, t.size());

  // Blanks and a sign before the number; no digits give 0.
  lex("@f: -3:x\n");
  EXPECT_EQ(-3, CisloRadku);
  lex("@g:zz:x\n");
  EXPECT_EQ(0, CisloRadku);

  // One colon only: not a marker, and the line ends at that colon.
  EXPECT_EQ("t.c:1: unsupported character @\n", lexDiagnostic("@x:1\n"));
  // Two colons only: empty name, line 0, and the next line is line 1.
  EXPECT_EQ(":1: unsupported character #\n", lexDiagnostic("@::\n#\n"));
  // Shorter than four characters with the newline: an ordinary line.
  EXPECT_EQ("t.c:1: unsupported character @\n", lexDiagnostic("@:\n"));
}

TEST(FrontLexer, EveryTokenKindWithValuesAndLines) {
  std::vector<Token> t = lex(
      "+ - * / % ( ) [ ] . -> -- -= != ! ~ ++ += & >= <= << >> <<= >>= > <\n"
      "*= /= %= | || |= && &= = == ^ ^= , ? : ; { }\n"
      "name_1 42 'z' IRQ_ON IRQ_OFF asm\n");
  std::vector<LexSymbol> expected;
  for (int s = PLUS; s <= RBRACE; s++) expected.push_back(LexSymbol(s));
  ASSERT_EQ(expected.size() + 6, t.size());
  for (size_t i = 0; i < expected.size(); i++) {
    EXPECT_EQ(expected[i], t[i].symb) << i;
    EXPECT_EQ(i < 27 ? 1 : 2, t[i].line) << i;
  }
  size_t n = expected.size();
  EXPECT_EQ((Token{IDENT, 0, "name_1", 3}), t[n]);
  EXPECT_EQ((Token{NUMB, 42, "", 3}), t[n + 1]);
  EXPECT_EQ((Token{NUMB, 'z', "", 3}), t[n + 2]);
  EXPECT_EQ(IRQ_ON, t[n + 3].symb);
  EXPECT_EQ(IRQ_OFF, t[n + 4].symb);
  EXPECT_EQ(ASM, t[n + 5].symb);
}

TEST(FrontLexer, Keywords) {
  const char* words[] = {"auto", "break", "case", "char", "const", "continue", "default",
                         "do", "double", "else", "enum", "extern", "float", "for", "goto",
                         "if", "inline", "int", "long", "register", "restrict", "return",
                         "short", "signed", "sizeof", "static", "struct", "switch",
                         "typedef", "union", "unsigned", "void", "volatile", "while",
                         "_Bool", "_Complex", "_Imaginary"};
  for (int i = 0; i < 37; i++) EXPECT_EQ(AUTO + i, KlicoveSlovo(words[i])) << words[i];
  EXPECT_EQ((std::vector<LexSymbol>{FLOAT, IDENT, IDENT, IDENT}), symbols("float Int iF irq_on"));
}

TEST(FrontLexer, LongestMatch) {
  EXPECT_EQ((std::vector<LexSymbol>{IDENT, SHL_ASSIGN, IDENT}), symbols("a<<=b"));
  EXPECT_EQ((std::vector<LexSymbol>{IDENT, LT, LEQ, IDENT}), symbols("a< <=b"));
  EXPECT_EQ((std::vector<LexSymbol>{IDENT, DECR, IDENT}), symbols("x--y"));
  EXPECT_EQ((std::vector<LexSymbol>{IDENT, MINUS, MINUS, IDENT}), symbols("x- -y"));
  EXPECT_EQ((std::vector<LexSymbol>{DECR, MINUS, SHR, GT, OROR, BAR}), symbols("--- >>>|||"));
  EXPECT_EQ((std::vector<LexSymbol>{ANDAND, AMP, PLUS_ASSIGN, ARROW, GT}), symbols("&&&+=->>"));
}

TEST(FrontLexer, Numbers) {
  EXPECT_EQ((std::vector<int>{31, 15, 0, 0, 8, 171, 0}), numbers("0x1F 017 0 08 0XaB 0x"));
  // A letter ends a number and starts an identifier.
  std::vector<Token> t = lex("12ab 0k");
  EXPECT_EQ((Token{NUMB, 12, "", 1}), t[0]);
  EXPECT_EQ((Token{IDENT, 0, "ab", 1}), t[1]);
  EXPECT_EQ((Token{NUMB, 0, "", 1}), t[2]);
  EXPECT_EQ((Token{IDENT, 0, "k", 1}), t[3]);
  // Values wrap around in 32 bits.
  EXPECT_EQ((std::vector<int>{1, -1, -2147483647 - 1, 0}),
            numbers("4294967297 0xFFFFFFFF 020000000000 0x100000000"));
}

TEST(FrontLexer, CharacterLiterals) {
  EXPECT_EQ((std::vector<int>{34, 39, 63, 92, 7, 8, 12, 10, 13, 9, 11}),
            numbers(R"('\"' '\'' '\?' '\\' '\a' '\b' '\f' '\n' '\r' '\t' '\v')"));
  EXPECT_EQ((std::vector<int>{0, 65, 65, 65, 255, 255, 0, -23, 32}),
            numbers("'\\0' '\\101' '\\x41' 'A' '\\377' '\\xfF' '\\x' '\xe9' ' '"));
}

TEST(FrontLexer, Comments) {
  EXPECT_EQ((std::vector<LexSymbol>{IDENT}), symbols("a // no newline at the end"));
  CtiSymb();
  EXPECT_EQ(KONEC, Symb);  // the end of input stays the end
  EXPECT_EQ((std::vector<LexSymbol>{IDENT}), symbols("a /* never closed\n\n"));
  EXPECT_EQ((std::vector<LexSymbol>{IDENT, IDENT, DIVIDE_ASSIGN, DIVIDE, IDENT}),
            symbols("a/*/ still comment **/b /= / c"));
  std::vector<Token> t = lex("/* one\ntwo */ x // three\ny");
  EXPECT_EQ((Token{IDENT, 0, "x", 2}), t[0]);
  EXPECT_EQ((Token{IDENT, 0, "y", 3}), t[1]);
}

TEST(FrontLexer, IdentifiersAreCutTo31Characters) {
  std::string name = "abcdefghijklmnopqrstuvwxyz_0123456789";
  std::vector<Token> t = lex(name + "+x");
  ASSERT_EQ(3u, t.size());
  EXPECT_EQ(name.substr(0, 31), t[0].ident);
  EXPECT_EQ(PLUS, t[1].symb);
}

}  // namespace
