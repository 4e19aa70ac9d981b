// Type words, parameter type lists, storage allocation and the symbol table.
#pragma once

#include <string>

// A type word: base type in the low seven bits, flags above.
enum TypeWord {
  TYP_BASE = 0x7F,
  TYP_VOID = 1,
  TYP_CHAR = 2,
  TYP_SHORT = 3,
  TYP_INT = 4,
  TYP_POINTER = 0x80,
  TYP_STATIC = 0x100,
  TYP_ARRAY = 0x200,
  TYP_AUTO = 0x400,
  TYP_UNSIGNED = 0x800,
  TYP_CONST = 0x1000,
  TYP_GIVEN = 0x2000,
  TYP_PROTOTYPE = 0x4000,
  TYP_FUNCTION = 0x8000,
};

// Bytes of one value or element: 1 for char and every pointer, 2 for short
// and int, 0 for void and for no base type.
inline int typeSize(int typ) {
  int base = typ & TYP_BASE;
  if (base == TYP_CHAR || (typ & TYP_POINTER)) return 1;
  return base == TYP_SHORT || base == TYP_INT ? 2 : 0;
}

// Parameter types of one function, last parameter first.
class TypeList {
 public:
  TypeList(int typ, TypeList* dalsi) : typ(typ), dalsi(dalsi) {}
  bool Compare(const TypeList* other) const;
  int ParameterCount() const;
  int SizeCount() const;
  void print() const;  // first parameter first, "%04X" each, comma separated

  int typ;
  TypeList* dalsi;
};

enum DruhId { Zalozka = 0, Promenna = 1, Konstanta = 2 };

class PrvekTab {
 public:
  PrvekTab(const char* jmeno, DruhId druh, int typ, int adr, PrvekTab* dalsi, int count,
           TypeList* param);

  std::string jmeno;
  DruhId druh;
  int typ;
  int len = 0;
  int adr;
  bool init_on = false;
  int initvalue = 0;
  bool zalozka = false;
  TypeList* param;
  PrvekTab* dalsi;
  int depth = 0;  // number of scopes open when the entry was made
};

extern PrvekTab* TabSym;
extern int init_mem;

// Allocator and scopes.
void InitMem(int size);
void ParamDeklOn();
void ParamDeklOff();
int getStack();
int getStackSync();
int getStackBreak(int level);
int getStackContinue(int level);
int getDefaultTyp();
int lowestStaticAddress();  // every static ever placed, block statics included
TypeList* newTypeList(int typ, TypeList* dalsi);  // lives until the end of the run

void pridejZalozku();
int odeberZalozku();

// Declarations.
void deklProm(const char* jmeno, int typ, bool init, int initvalue, TypeList* param);
void deklPole(const char* jmeno, int typ, int pocet);
void deklKonst(const char* jmeno, int typ, int hodnota);

// Lookups.
PrvekTab* hledejId(const char* jmeno, bool jenBlok);
DruhId idPromKonst(const char* jmeno, int* hodnota);
int typPromKonst(const char* jmeno);
int lenPromKonst(const char* jmeno);
TypeList* paramPromKonst(const char* jmeno);
int adrProm(const char* jmeno);

// Writes the memory map listing to the output and returns the lowest static
// address of the file-scope variables.
int obsazeni_pameti();

// Frees every entry and type list; the next run starts from InitMem().
void freeSymbols();
