// Lexer.
#include "front/lexan.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "front/vstup.h"


const char* const LexSymboly[KONEC + 1] = {
    "nic", "identifikator", "cislo", "+", "-", "*", "/", "%", "(", ")",
    "[", "]", ".", "->", "--", "-=", "!=", "!", "~", "++",
    "+=", "&", ">=", "<=", "<<", ">>", "<<=", ">>=", ">", "<",
    "*=", "/=", "%=", "|", "||", "|=", "&",
    "&=", "=", "==", "^", "^=", ",", "?", ":", ";",
    "{", "}",
    "AUTO", "BREAK", "CASE", "CHAR", "CONST", "CONTINUE", "DEFAULT", "DO", "DOUBLE", "ELSE", "ENUM",
    "EXTERN", "FLOAT", "FOR", "GOTO", "IF", "INLINE", "INT", "LONG", "REGISTER", "RESTRICT", "RETURN",
    "SHORT", "SIGNED", "SIZEOF", "STATIC", "STRUCT", "SWITCH", "TYPEDEF", "UNION", "UNSIGNED",
    "VOID", "VOLATILE", "WHILE", "_BOOL", "_COMPLEX", "_IMAGINARY",
    "ASM", "IRQ_ON", "IRQ_OFF", "konec souboru"};

LexSymbol Symb = NIC;
int Cislo = 0;
char Ident[32];

namespace {

int Znak = 0;       // the current character, -1 at the end of the input
int characterClass;  // 'p' letter, 'c' digit, 'e' end, 'm' blank, else the character

struct Keyword {
  const char* text;
  LexSymbol symbol;
};

// IRQ_ON, IRQ_OFF and asm first, then the C keywords in token order.
const Keyword TabKS[] = {
    {"IRQ_ON", IRQ_ON}, {"IRQ_OFF", IRQ_OFF}, {"asm", ASM},
    {"auto", AUTO}, {"break", BREAK}, {"case", CASE}, {"char", CHAR}, {"const", CONST},
    {"continue", CONTINUE}, {"default", DEFAULT}, {"do", DO}, {"double", DOUBLE},
    {"else", ELSE}, {"enum", ENUM}, {"extern", EXTERN}, {"float", FLOAT}, {"for", FOR},
    {"goto", GOTO}, {"if", IF}, {"inline", INLINE}, {"int", INT}, {"long", LONG},
    {"register", REGISTER}, {"restrict", RESTRICT}, {"return", RETURN}, {"short", SHORT},
    {"signed", SIGNED}, {"sizeof", SIZEOF}, {"static", STATIC}, {"struct", STRUCT},
    {"switch", SWITCH}, {"typedef", TYPEDEF}, {"union", UNION}, {"unsigned", UNSIGNED},
    {"void", VOID}, {"volatile", VOLATILE}, {"while", WHILE}, {"_Bool", KW_BOOL},
    {"_Complex", KW_COMPLEX}, {"_Imaginary", KW_IMAGINARY}, {nullptr, NIC}};

constexpr int classOf(int c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') return 'p';
  if (c >= '0' && c <= '9') return 'c';
  if (c == -1) return 'e';
  if (c <= 32) return 'm';  // blanks, control characters and bytes 0x80..0xFE
  return c;
}

constexpr char kOperatorCharacters[] = "!%&*+-<=>^|/()[].~,?:;{}";

// classOf of every character the reader returns, indexed by its low byte
// (the reader returns bytes as signed chars, so byte 0xFF is the end), and
// whether it starts an operator or punctuation token.
struct ClassTable {
  unsigned char of[256];
  bool startsOperator[256];
  constexpr ClassTable() : of(), startsOperator() {
    for (int i = 0; i < 256; i++) of[i] = static_cast<unsigned char>(classOf(static_cast<signed char>(i)));
    for (const char* c = kOperatorCharacters; *c; c++) startsOperator[static_cast<unsigned char>(*c)] = true;
  }
};
constexpr ClassTable kClass;

// Reads the next character and its class.  Inline: it runs once per
// character of the source.
inline void CtiVstup() {
  Znak = CtiZnak();
  characterClass = kClass.of[Znak & 0xFF];
}

bool isHexLetter(int c) { return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Value of a hexadecimal digit: its upper-case code minus 55 for a letter.
int hexDigit(int c) {
  if (characterClass == 'c') return c - '0';
  return (c & ~0x20) - 55;
}

// Values accumulate in 32 bits and wrap around without a message.
int accumulate(int value, int base, int digit) {
  return int(unsigned(value) * unsigned(base) + unsigned(digit));
}

[[noreturn]] void lexError(const std::string& text) { Chyba(text.c_str()); }

void readIdentifier() {
  int n = 0;
  while (characterClass == 'p' || characterClass == 'c') {
    if (n < 31) Ident[n++] = char(Znak);  // longer names are cut to 31 characters
    CtiVstup();
  }
  Ident[n] = '\0';
  Symb = KlicoveSlovo(Ident);
}

void readHexDigits(int& value) {
  while (characterClass == 'c' || (characterClass == 'p' && isHexLetter(Znak))) {
    value = accumulate(value, 16, hexDigit(Znak));
    CtiVstup();
  }
}

void readNumber() {
  int value = Znak - '0';
  CtiVstup();
  if (value != 0) {
    while (characterClass == 'c') {
      value = accumulate(value, 10, Znak - '0');
      CtiVstup();
    }
  } else if (characterClass != 'p') {
    while (characterClass == 'c' && Znak <= '7') {
      value = accumulate(value, 8, Znak - '0');
      CtiVstup();
    }
  } else if (Znak == 'x' || Znak == 'X') {
    CtiVstup();
    readHexDigits(value);
  }
  Cislo = value;
  Symb = NUMB;
}

int escapeValue() {
  int c = Znak;
  switch (c) {
    case '"': CtiVstup(); return 34;
    case '\'': CtiVstup(); return 39;
    case '?': CtiVstup(); return 63;
    case '\\': CtiVstup(); return 92;
    case 'a': CtiVstup(); return 7;
    case 'b': CtiVstup(); return 8;
    case 'f': CtiVstup(); return 12;
    case 'n': CtiVstup(); return 10;
    case 'r': CtiVstup(); return 13;
    case 't': CtiVstup(); return 9;
    case 'v': CtiVstup(); return 11;
    case 'x': {
      CtiVstup();
      int value = 0;
      readHexDigits(value);
      return value;
    }
    default:
      break;
  }
  if (c >= '0' && c <= '7') {
    int value = 0;
    while (characterClass == 'c' && Znak <= '7') {
      value = accumulate(value, 8, Znak - '0');
      CtiVstup();
    }
    return value;
  }
  // A backslash at the end of a line (or of the input) leaves the constant
  // open; printing that line break in the message would split it in two.
  if (c == '\n' || c == '\r' || c == -1) lexError("character is not terminated '");
  lexError(std::string("unknown character '\\") + char(c) + "'");
}

void readCharacter() {
  CtiVstup();  // the opening quote
  if (Znak == '\'') lexError("empty character ''");
  int value;
  if (Znak != '\\') {
    value = static_cast<signed char>(Znak);
    CtiVstup();
  } else {
    CtiVstup();
    value = escapeValue();
  }
  if (Znak != '\'') lexError("character is not terminated '");
  CtiVstup();
  Cislo = value;
  Symb = NUMB;
}

// After the first character of an operator: consumes `next` if it follows
// and answers whether it did.
bool follows(int next) {
  if (characterClass != next) return false;
  CtiVstup();
  return true;
}

void skipLineComment() {
  while (characterClass != 'e' && Znak != '\n') CtiVstup();
}

void skipBlockComment() {
  CtiVstup();  // the star
  for (;;) {
    if (characterClass == 'e') return;
    if (Znak == '*') {
      CtiVstup();
      if (Znak == '/') {
        CtiVstup();
        return;
      }
      continue;
    }
    CtiVstup();
  }
}

// Reads an operator or punctuation token; returns false for a comment.  A
// character that starts no token is reported before the reader moves on, so
// that the message names its own line even where that line has no line
// break of its own (a line marker's single colon ends it).
bool readOperator() {
  int c = Znak;
  if (c <= 0 || !kClass.startsOperator[c])
    lexError(std::string("unsupported character ") + char(c));
  CtiVstup();
  switch (c) {
    case '!': Symb = follows('=') ? NEQ : NOT; return true;
    case '%': Symb = follows('=') ? MODULO_ASSIGN : MODULO; return true;
    case '&': Symb = follows('&') ? ANDAND : follows('=') ? AND_ASSIGN : AMP; return true;
    case '*': Symb = follows('=') ? TIMES_ASSIGN : TIMES; return true;
    case '+': Symb = follows('+') ? INCR : follows('=') ? PLUS_ASSIGN : PLUS; return true;
    case '-':
      Symb = follows('=') ? MINUS_ASSIGN : follows('>') ? ARROW : follows('-') ? DECR : MINUS;
      return true;
    case '<':
      if (follows('<')) Symb = follows('=') ? SHL_ASSIGN : SHL;
      else Symb = follows('=') ? LEQ : LT;
      return true;
    case '=': Symb = follows('=') ? EQ : ASSIGN; return true;
    case '>':
      if (follows('=')) Symb = GEQ;
      else if (follows('>')) Symb = follows('=') ? SHR_ASSIGN : SHR;
      else Symb = GT;
      return true;
    case '^': Symb = follows('=') ? XOR_ASSIGN : CARET; return true;
    case '|': Symb = follows('=') ? OR_ASSIGN : follows('|') ? OROR : BAR; return true;
    case '/':
      if (characterClass == '/') {
        skipLineComment();
        return false;
      }
      if (characterClass == '*') {
        skipBlockComment();
        return false;
      }
      Symb = follows('=') ? DIVIDE_ASSIGN : DIVIDE;
      return true;
    case '(': Symb = LPAR; return true;
    case ')': Symb = RPAR; return true;
    case '[': Symb = LBRACKET; return true;
    case ']': Symb = RBRACKET; return true;
    case '.': Symb = DOT; return true;
    case '~': Symb = TILDE; return true;
    case ',': Symb = COMMA; return true;
    case '?': Symb = QUEST; return true;
    case ':': Symb = COLON; return true;
    case ';': Symb = SEMICOLON; return true;
    case '{': Symb = LBRACE; return true;
    default: Symb = RBRACE; return true;  // '}', the last of the characters above
  }
}

}  // namespace

void resetLexer() {
  Symb = NIC;
  Cislo = 0;
  Ident[0] = '\0';
  Znak = 0;
  characterClass = 'm';
}

void InitLexan(const char* name) {
  resetLexer();
  InitVstup(name);
  CtiVstup();
}

void InitLexanText(const std::string& text, const char* name) {
  resetLexer();
  InitVstupText(text, name);
  CtiVstup();
}

// Looks the text up in TabKS through an index built on first use: every
// identifier of the source passes here.  The index is an open-addressed
// table hashed on the length and the first and last characters, which
// sends each keyword to a slot of its own, so most lookups compare once.
LexSymbol KlicoveSlovo(const char* text) {
  constexpr size_t kSlots = 128;
  struct Slot {
    std::string_view text;
    LexSymbol symbol;
  };
  auto slotOf = [](std::string_view word) {
    return (word.size() + 10 * size_t(word.front()) + 3 * size_t(word.back())) % kSlots;
  };
  static const std::vector<Slot> index = [&] {
    std::vector<Slot> table(kSlots, Slot{{}, IDENT});
    for (const Keyword* k = TabKS; k->text; k++) {
      size_t i = slotOf(k->text);
      while (!table[i].text.empty()) i = (i + 1) % kSlots;
      table[i] = {k->text, k->symbol};
    }
    return table;
  }();
  std::string_view word(text);
  if (word.empty()) return IDENT;
  for (size_t i = slotOf(word); !index[i].text.empty(); i = (i + 1) % kSlots)
    if (index[i].text == word) return index[i].symbol;
  return IDENT;
}

void CtiSymb() {
  for (;;) {
    while (characterClass == 'm') CtiVstup();
    tokenColumn = int(Aktualni - currentLineText());  // Znak was read from Aktualni - 1
    switch (characterClass) {
      case 'p': readIdentifier(); return;
      case 'c': readNumber(); return;
      case 'e': Symb = KONEC; return;
      case '\'': readCharacter(); return;
      default:
        if (readOperator()) return;
    }
  }
}

const char* textAfterToken() { return Znak == -1 ? "" : Aktualni - 1; }

char* CtiRadek() {
  char* line = CtiRadekVstupu();
  characterClass = 'm';
  return line;
}
