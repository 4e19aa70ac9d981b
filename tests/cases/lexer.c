// The reader and the lexer seen through whole translations: where lines
// are cut, line markers, numbers, character constants, comments and the
// longest match of operators. Values show in the code, a misread token in
// the diagnostic and its line.
//--- long-line.c
int g; /*                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                             */
void main() { x = 1; }
//--- straddle.c
int g;
void main() { g =                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                            12345; }
//--- markers.c
int a;
@lib.c:120:int x;
x
//--- marker-sign.c
@f: -3:x
//--- marker-no-digits.c
@g:zz:x
//--- marker-one-colon.c
@x:1
//--- marker-empty.c
@::
#
//--- marker-short.c
@:
//--- numbers.c
char c; int g;
void main() {
  g = 0x1F; g = 017; g = 0; g = 0XaB; g = 0x; g = 4294967297; g = 0xFFFFFFFF == -1; g = 020000000000 < 0;
  g = 0x100000000; g = 65535; c = 255;
}
//--- number-then-name.c
int g; void main() {
  g = 12ab; }
//--- octal-eight.c
int g; void main() {
  g = 08; }
//--- characters.c
int g;
void main() {
  g = '\"'; g = '\''; g = '\?'; g = '\\'; g = '\a'; g = '\b'; g = '\f'; g = '\n'; g = '\r'; g = '\t'; g = '\v';
  g = '\0'; g = '\101'; g = '\x41'; g = 'A'; g = '\377'; g = '\xfF'; g = '\x'; g = 'é'; g = ' ';
}
//--- comments.c
int Int, iF, irq_on; /* one
two */ int g; // three
void main() { g = 1/*/ still comment **/+ 2; } /* never closed
//--- comment-lines.c
/* one
two */ int g; // three
void main() { g = y; }
//--- longest-match.c
int a, b, c; int *p;
void main() { a = b---c; a = b- -c; c = a<<=1; a = b&&&c; }
//--- longest-match2.c
int a, b; void main() { a = a--b; }
//--- longest-match3.c
int a, b; void main() { a = a < <= b; }
