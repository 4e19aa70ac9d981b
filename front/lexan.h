// Lexer: turns the reader's characters into tokens, one token of look-ahead.
#pragma once

#include <string>

#include "front/tokens.h"

extern LexSymbol Symb;  // the current token
extern int Cislo;       // value of the current number token
extern char Ident[32];  // text of the current identifier or keyword

void InitLexan(const char* name);
void CtiSymb();
LexSymbol KlicoveSlovo(const char* text);
char* CtiRadek();
// The rest of the current line, from the character after the current token.
const char* textAfterToken();
void resetLexer();

// Lex the given text as if it were the file `name` (read in place: the
// text must outlive the run).
void InitLexanText(const std::string& text, const char* name);
