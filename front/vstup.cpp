// Source reader and the parser's diagnostics.
#include "front/vstup.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "front/lexan.h"

namespace {

constexpr int kLineLimit = 512;  // bytes per read, terminator included
constexpr size_t kSourceLimit = size_t(512) << 20;  // bytes of source read at most

std::string ownSource;           // the input read from a file
std::string_view source;         // the whole input: ownSource or the caller's text
size_t sourcePos = 0;            // next unread byte of source
char* lineStart = Radek;         // where the current line's text begins

// A file name from the command line as diagnostics show it: its first 512
// characters, with line breaks shown as '?' so that a name holding one still
// gives a one-line diagnostic.
std::string shownName(const char* name) {
  std::string shown(name, std::min(std::strlen(name), size_t(kFileNameLimit)));
  for (char& c : shown)
    if (c == '\n' || c == '\r') c = '?';
  return shown;
}

// Reads the next line into Radek the way a line-oriented read with a limit of
// 512 bytes does: at most 511 bytes, up to and including a newline.  A zero
// byte ends the line's text there.  Returns false at the end of the input.
bool readLine() {
  if (sourcePos >= source.size()) return false;
  const char* from = source.data() + sourcePos;
  size_t n = std::min(source.size() - sourcePos, size_t(kLineLimit - 1));
  if (const void* newline = std::memchr(from, '\n', n)) n = size_t(static_cast<const char*>(newline) - from) + 1;
  std::memcpy(Radek, from, n);
  Radek[n] = '\0';
  sourcePos += n;
  return true;
}

// Decimal value with optional leading blanks and sign; stops at the first
// non-digit and wraps around in 32 bits instead of overflowing.
int markerNumber(const char* s) {
  while (*s == ' ' || *s == '\t' || *s == '\n' || *s == '\v' || *s == '\f' || *s == '\r') s++;
  bool negative = false;
  if (*s == '+' || *s == '-') negative = *s++ == '-';
  unsigned value = 0;
  while (*s >= '0' && *s <= '9') value = value * 10u + unsigned(*s++ - '0');
  return int(negative ? 0u - value : value);
}

// A line "@name:number:text" sets the file name and line number and delivers
// only the text.  With a single colon the line ends at that colon.
void applyMarker() {
  if (Radek[0] != '@' || std::strlen(Radek) < 4) return;
  char* first = std::strchr(Radek + 1, ':');
  if (!first) return;
  *first = '\0';
  char* second = std::strchr(first + 1, ':');
  if (!second) return;
  *second = '\0';
  setFileName(Radek + 1);
  CisloRadku = markerNumber(first + 1);
  Aktualni = second + 1;
}

}  // namespace

char Radek[kLineLimit + 1];
char* Aktualni = Radek;
void resetReader() {
  ownSource.clear();
  ownSource.shrink_to_fit();
  source = {};
  sourcePos = 0;
  resetDiagnostics();
  Radek[0] = '\0';
  Aktualni = Radek;
  lineStart = Radek;
}

const char* currentLineText() { return lineStart; }

void readSource(const char* name, std::string& text) {
  FILE* in = name ? std::fopen(name, "rb") : stdin;
  if (!in) ChybaPlain(("input file " + shownName(name) + " not fined ").c_str());
  text.clear();
  // A file's size is known up front: reserving it spares copying the text
  // through every doubling of the string.
  long start = std::ftell(in);
  if (start >= 0 && std::fseek(in, 0, SEEK_END) == 0) {
    long end = std::ftell(in);
    if (end > start && size_t(end - start) <= kSourceLimit) text.reserve(size_t(end - start));
    std::fseek(in, start, SEEK_SET);
  }
  char buffer[1 << 16];
  size_t got;
  bool tooLarge = false;
  while (!tooLarge && (got = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
    text.append(buffer, got);
    tooLarge = text.size() > kSourceLimit;  // an endless input such as a device
  }
  bool failed = std::ferror(in);
  if (name) std::fclose(in);
  std::string shown = name ? shownName(name) : "";
  if (tooLarge) {
    SourcePos at{0, shown.c_str()};
    Chyba("input is larger than 512 MB", &at);
  }
  if (failed)  // a directory opens but cannot be read
    ChybaPlain(("input file " + (name ? shown : std::string("-")) + " not fined ").c_str());
}

void InitVstup(const char* name) {
  resetReader();
  readSource(name, ownSource);
  source = ownSource;
  setFileName(name ? shownName(name).c_str() : "");
}

void InitVstupText(const std::string& text, const char* name) {
  resetReader();
  source = text;  // not copied: the caller keeps it until the run ends
  setFileName(name);
}

int readFromNextLine() {
  if (!readLine()) return -1;
  Aktualni = Radek;
  // A marker may have set the largest int: wrap around instead of overflowing.
  CisloRadku = int(unsigned(CisloRadku) + 1u);
  size_t len = std::strlen(Radek);
  if (len == 0 || Radek[len - 1] != '\n') {
    Radek[len] = '\n';
    Radek[len + 1] = '\0';
  }
  applyMarker();
  lineStart = Aktualni;
  if (!*Aktualni) return -1;
  return static_cast<signed char>(*Aktualni++);
}

char* CtiRadekVstupu() {
  Radek[0] = '\0';
  Aktualni = Radek;
  if (CtiZnak() != -1) Aktualni--;
  return Aktualni;
}

void ChybaUnOp(LexSymbol op) {
  std::string text = std::string("operand is missing after ") + LexSymboly[op];
  Chyba(text.c_str());
}

void ChybaBinOp(LexSymbol op) { ChybaUnOp(op); }

void Chyba1BinOp(LexSymbol op) {
  std::string text = std::string("operand is missing before ") + LexSymboly[op];
  Chyba(text.c_str());
}

void ChybaSrovnani(LexSymbol expected, LexSymbol found) {
  std::string text;
  if (found == IDENT)
    text = std::string("error by identity test, expected ") + LexSymboly[expected] +
           ", but on input is " + LexSymboly[found] + " \"" + Ident + "\"";
  else
    text = std::string("error by comparison, expected ") + LexSymboly[expected] +
           ", but on input is " + LexSymboly[found];
  Chyba(text.c_str());
}
