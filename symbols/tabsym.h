// Type words, parameter type lists, storage allocation and the symbol table.
#pragma once

#include <cstdint>
#include <string>

#include "types/typeword.h"

// Parameter types of one function, last parameter first.
class TypeList {
 public:
  TypeList(int typ, TypeList* dalsi) : typ(typ), dalsi(dalsi) {}
  bool Compare(const TypeList* other) const;
  int ParameterCount() const;
  int SizeCount() const;
  // The list as the memory map shows it: first parameter first, "%04X"
  // each, comma separated.
  std::string text() const;

  int typ;
  TypeList* dalsi;
};

enum DruhId { Zalozka = 0, Promenna = 1, Konstanta = 2 };

class PrvekTab {
 public:
  PrvekTab(const char* jmeno, DruhId druh, int typ, int adr, PrvekTab* dalsi, int count,
           TypeList* param);

  const char* jmeno;  // the table's own copy of the name, kept until freeSymbols()
  uint32_t nameId = 0;  // the same name by number (storedName)
  DruhId druh;
  int typ;
  int len = 0;
  int adr;
  bool init_on = false;
  int initvalue = 0;
  bool zalozka = false;
  TypeList* param;
  PrvekTab* dalsi;
  PrvekTab* shadowed = nullptr;  // the entry of the same name this one hides
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

// A name the table stores, by the number entries keep in nameId.
const char* storedName(uint32_t id);

// Frees every entry and type list; the next run starts from InitMem().
void freeSymbols();
