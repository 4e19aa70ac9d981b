// Parser: the shapes of the trees it builds (precedence, associativity,
// statements and the stack adjustments of blocks), and units deep or long
// enough to find recursion limits and quadratic costs.
#include <unistd.h>

#include "driver/compile.h"
#include "tests/unit/fixture.h"

namespace {

using FrontParser = FrontTest;

TEST_F(FrontParser, ExpressionShapes) {
  EXPECT_EQ("(a = (b = c))", expr("a = b = c"));
  EXPECT_EQ("(a = (b = c))", expr("(a = b) = c"));
  EXPECT_EQ("(a += (b = c))", expr("a += b = c"));
  EXPECT_EQ("((a - b) + c)", expr("a - b + c"));
  EXPECT_EQ("((a * b) + ((c / 7) % a))", expr("a * b + c / K % a"));
  EXPECT_EQ("((a << b) >> (c + 1))", expr("a << b >> c + 1"));
  EXPECT_EQ("(a || (b && c))", expr("a || b && c"));
  EXPECT_EQ("((a && b) || c)", expr("a && b || c"));
  EXPECT_EQ("((a | (b ^ (c & a))) | b)", expr("a | b ^ c & a | b"));
  EXPECT_EQ("((a < b) == (c >= a))", expr("a < b == c >= a"));
  EXPECT_EQ("((a > b) != (c <= a))", expr("a > b != c <= a"));
  EXPECT_EQ("(a -= (b *= (c /= (a %= b))))", expr("a -= b *= c /= a %= b"));
  EXPECT_EQ("(a <<= (b >>= (c &= (a ^= (b |= c)))))", expr("a <<= b >>= c &= a ^= b |= c"));
  EXPECT_EQ("(f call ((a , b) , c))", expr("f(a, b, c)"));
  EXPECT_EQ("(f call )", expr("f()"));
  EXPECT_EQ("*(p + 2)", expr("p[2]"));
  EXPECT_EQ("--a", expr("- -a"));
  EXPECT_EQ("(--a + post++b)", expr("--a + b++"));
  EXPECT_EQ("(post--a - ++b)", expr("a-- - ++b"));
  EXPECT_EQ("&*p", expr("&*p"));
  EXPECT_EQ("(!a + ~b)", expr("!a + ~b"));
  EXPECT_EQ("(a , (b = 7))", expr("a, b = K"));
  EXPECT_EQ("a", expr("(((a)))"));
  EXPECT_EQ("(cast 2C02 a)", expr("(unsigned char)a"));
  EXPECT_EQ("(cast 2484 (cast 2402 (a + 1)))", expr("(int *)(char)(a + 1)"));
}

TEST_F(FrontParser, StatementShapes) {
  EXPECT_EQ("sync-2{(i = 0); sync-2{}}", body("void m() { int i = 0, j; }"));
  EXPECT_EQ("while 1 {sync-2{} break2; sync-1{} sync3{}}",
            body("void m() { while (1) { int i; break; char c; } }"));
  EXPECT_EQ("if a {if b {(a = 1);} else {(a = 2);}} else {}",
            body("int a, b; void m() { if (a) if (b) a = 1; else a = 2; }"));
  EXPECT_EQ("for ; (a < 10); post++a {}", body("int a; void m() { for (a < 10; a++) ; }"));
  EXPECT_EQ("for (a = 0); (a <= 10); --a {}", body("int a; void m() { for (a = 0; a <= 10; --a) ; }"));
  EXPECT_EQ("for ; ;  {}", body("void m() { for (;;) ; }"));
  EXPECT_EQ("do {continue0;} while 1", body("void m() { do continue; while (1); }"));
  EXPECT_EQ("switch a {[case 65: break0;][case 6: ][default: ]}",
            body("int a; void m() { switch (a) { case 'A': break; case 2 * 3: } }"));
  EXPECT_EQ("return (a + 1);", body("int a; int m() { return a + 1; }"));
  // Blank and comment-only lines add nothing; the rest of the "{" line is dropped.
  EXPECT_EQ("asm{ LOAD s0,01 ; x\n  NOP\n}",
            body("void m() { asm { ignored\n LOAD s0,01 ; x\n\n// c\n\n  NOP\n } }"));
  // continue inside a switch releases down to the loop's level, break
  // down to the switch's.
  EXPECT_EQ("sync-2{} while x {sync-1{} switch x {[case 1: sync-2{} continue3; sync2{}]"
            "[default: break0;]} sync1{}}",
            body("void m() { int x; while (x) { char c; switch (x) { case 1: { int i; continue; }"
                 " default: break; } } }"));
}

// Compiles a unit through a temporary file the way the driver does; answers
// the status and the length of the longest output line.
std::pair<int, size_t> compileText(const std::string& text) {
  char path[] = "/tmp/front_stress_XXXXXX";
  int fd = mkstemp(path);
  EXPECT_EQ(ssize_t(text.size()), write(fd, text.data(), text.size()));
  close(fd);
  std::FILE* sink = std::tmpfile();
  int status = runWithLargeStack([&] { return compileUnit(path, sink); });
  out.toFile(stdout);
  unlink(path);
  std::rewind(sink);
  size_t longest = 0, current = 0;
  for (int c; (c = std::fgetc(sink)) != EOF;) {
    current = c == '\n' ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  std::fclose(sink);
  return {status, longest};
}

std::string repeat(const std::string& s, int n) {
  std::string r;
  for (int i = 0; i < n; i++) r += s;
  return r;
}

TEST(FrontStress, DeepAndLongUnits) {
  for (const std::string& text :
       {"void main() {" + repeat("{", 10000) + repeat("}", 10000) + "}",
        "int a; void main() { a = " + repeat("(", 10000) + "a" + repeat(")", 10000) + "; }",
        "int a; void main() { a = a" + repeat(" | a", 99999) + "; }",
        "int a; void main() {\n" + repeat("a = a + 1;\n", 50000) + "}"}) {
    auto [status, longest] = compileText(text);
    EXPECT_EQ(0, status) << text.substr(0, 40);
    EXPECT_LT(longest, 100u) << text.substr(0, 40);  // no comment line spells out the operands
  }
}

}  // namespace
