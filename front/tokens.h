// Token values of the lexer and their display names.
//
// The numeric values are part of the compiler's interface: diagnostics print
// the display name looked up by value, so the order below must not change.
#pragma once

enum LexSymbol {
  NIC, IDENT, NUMB, PLUS, MINUS, TIMES, DIVIDE, MODULO, LPAR, RPAR,
  LBRACKET, RBRACKET, DOT, ARROW, DECR, MINUS_ASSIGN, NEQ, NOT, TILDE, INCR,
  PLUS_ASSIGN, AMP, GEQ, LEQ, SHL, SHR, SHL_ASSIGN, SHR_ASSIGN, GT, LT,
  TIMES_ASSIGN, DIVIDE_ASSIGN, MODULO_ASSIGN, BAR, OROR, OR_ASSIGN, ANDAND,
  AND_ASSIGN, ASSIGN, EQ, CARET, XOR_ASSIGN, COMMA, QUEST, COLON, SEMICOLON,
  LBRACE, RBRACE,
  // keywords, 48 to 84, in the order of the keyword list
  AUTO, BREAK, CASE, CHAR, CONST, CONTINUE, DEFAULT, DO, DOUBLE, ELSE, ENUM,
  EXTERN, FLOAT, FOR, GOTO, IF, INLINE, INT, LONG, REGISTER, RESTRICT, RETURN,
  SHORT, SIGNED, SIZEOF, STATIC, STRUCT, SWITCH, TYPEDEF, UNION, UNSIGNED,
  VOID, VOLATILE, WHILE, KW_BOOL, KW_COMPLEX, KW_IMAGINARY,
  ASM, IRQ_ON, IRQ_OFF, KONEC
};

// Display name of every token value, indexed by the value.
extern const char* const LexSymboly[KONEC + 1];
