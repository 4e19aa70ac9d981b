// Type words, type lists, storage allocation and the scoped symbol table.
//
// The table is the list TabSym, newest entry first, with scope bookmarks in
// it.  Lookups by name go through an index from each name to its newest
// entry, which links to the entries it hides, so that declaring or finding
// a name costs the same however many names the program has.
#include "symbols/tabsym.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "diag/diagnostics.h"

PrvekTab* TabSym = nullptr;
int init_mem = 64;

namespace {

// No counter is checked against the target's limits (a frame may meet the
// statics, an offset may leave one byte), but every counter stays within a
// gigabyte, so that address arithmetic can never overflow an int.
constexpr long long kCounterLimit = 1 << 30;

int volna_adr_mem = 64;
int volna_adr_stack = 0;
int volna_adr_param = 1;
bool param_on = false;
int stack_posledni = 0;
int defaultTyp = 0x0104;
int scopeDepth = 0;
int lowestStatic = 64;

std::vector<std::unique_ptr<TypeList>> typeLists;

// The name index: open addressing over every name the run has declared.
// Each name is stored once, in blocks kept until freeSymbols(), so entries
// and the tree's Var nodes share that copy instead of holding their own.
struct NameSlot {
  const char* text = nullptr;  // null: a free slot
  size_t hash = 0;
  uint32_t id = 0;             // its place in storedNames
  PrvekTab* newest = nullptr;  // null when no entry of the name is in scope
};
std::vector<NameSlot> slots;
size_t namesUsed = 0;
std::vector<std::unique_ptr<char[]>> nameBlocks;
// Every stored name by number: a Var node keeps the 4-byte number, which
// fits in the end of its Expr and keeps the node at 32 bytes.
std::vector<const char*> storedNames;
constexpr size_t kNameBlockSize = 1 << 16;

size_t hashOf(const char* text) {
  size_t h = 14695981039346656037u;  // FNV-1a
  for (; *text; text++) h = (h ^ static_cast<unsigned char>(*text)) * 1099511628211u;
  return h;
}

// The slot of the name, or the free slot where it belongs.
NameSlot& slotOf(const char* text, size_t hash) {
  size_t mask = slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    NameSlot& slot = slots[i];
    if (!slot.text || (slot.hash == hash && std::strcmp(slot.text, text) == 0)) return slot;
  }
}

char* nameNext = nullptr;
size_t nameBlockLeft = 0;

const char* storeName(const char* text) {
  size_t size = std::strlen(text) + 1;
  if (size > nameBlockLeft) {
    nameBlockLeft = std::max(size, kNameBlockSize);
    nameBlocks.emplace_back(new char[nameBlockLeft]);
    nameNext = nameBlocks.back().get();
  }
  char* copy = nameNext;
  std::memcpy(copy, text, size);
  nameNext += size;
  nameBlockLeft -= size;
  return copy;
}

void growIndex() {
  std::vector<NameSlot> old = std::move(slots);
  slots.assign(std::max<size_t>(64, 2 * old.size()), NameSlot{});
  for (const NameSlot& slot : old)
    if (slot.text) slotOf(slot.text, slot.hash) = slot;
}

// The slot of the name, made on its first declaration; the index keeps at
// least half of its slots free.
NameSlot& declareName(const char* text) {
  if (2 * (namesUsed + 1) > slots.size()) growIndex();
  size_t hash = hashOf(text);
  NameSlot& slot = slotOf(text, hash);
  if (!slot.text) {
    slot.text = storeName(text);
    slot.hash = hash;
    slot.id = uint32_t(storedNames.size());
    storedNames.push_back(slot.text);
    namesUsed++;
  }
  return slot;
}

[[noreturn]] void ChybaJmeno(const char* jmeno, const char* zprava) {
  std::string text = std::string("identificator \"") + jmeno + "\" " + zprava;
  Chyba(text.c_str());
}

PrvekTab* lookup(const char* jmeno) {
  if (slots.empty()) return nullptr;
  return slotOf(jmeno, hashOf(jmeno)).newest;
}

PrvekTab* mustFind(const char* jmeno) {
  PrvekTab* entry = lookup(jmeno);
  if (!entry) ChybaJmeno(jmeno, "not declared");
  return entry;
}

void unlinkHead() {
  PrvekTab* head = TabSym;
  TabSym = head->dalsi;
  if (!head->zalozka) slotOf(head->jmeno, hashOf(head->jmeno)).newest = head->shadowed;
  delete head;
}

// Gives an entry its address: parameters get the next parameter offset,
// statics are placed downward from the top of data memory, automatic
// variables downward from the frame pointer.
void allocate(PrvekTab* entry, int count) {
  int t = entry->typ;
  int base = t & TYP_BASE;
  entry->len = (base == TYP_SHORT || base == TYP_INT) ? 2 : base == TYP_CHAR ? 1 : 0;
  if (t & TYP_POINTER) {
    entry->len = 1;
    count = 1;
  }
  long long bytes = (long long)entry->len * count;
  if (param_on) {
    entry->adr = volna_adr_param;
    if (std::llabs(volna_adr_param + bytes) > kCounterLimit) Chyba("stack frame is too large");
    volna_adr_param += int(bytes);
    return;
  }
  if (entry->druh == Konstanta) return;
  if (t & (TYP_FUNCTION | TYP_PROTOTYPE)) return;
  if (t & TYP_STATIC) {
    if (volna_adr_mem - bytes < 0 || volna_adr_mem - bytes > kCounterLimit) Chyba("data memory is full");
    volna_adr_mem -= int(bytes);
    entry->adr = volna_adr_mem;
    if (entry->adr < lowestStatic) lowestStatic = entry->adr;
  } else if (t & TYP_AUTO) {
    if (std::llabs(volna_adr_stack - bytes) > kCounterLimit) Chyba("stack frame is too large");
    volna_adr_stack -= int(bytes);
    entry->adr = volna_adr_stack;
  }
}

void pushEntry(const char* jmeno, DruhId druh, int typ, int adr, int count, TypeList* param) {
  NameSlot& slot = declareName(jmeno);
  PrvekTab* entry = new PrvekTab(slot.text, druh, typ, adr, TabSym, count, param);
  entry->nameId = slot.id;
  entry->shadowed = slot.newest;
  slot.newest = entry;
  TabSym = entry;
}

}  // namespace

bool TypeList::Compare(const TypeList* other) const {
  const TypeList* a = this;
  for (;;) {
    if (!other || a->typ != other->typ) return false;
    if (!a->dalsi) return other->dalsi == nullptr;
    a = a->dalsi;
    other = other->dalsi;
  }
}

int TypeList::ParameterCount() const {
  int n = 0;
  for (const TypeList* t = this; t; t = t->dalsi) n++;
  return n;
}

int TypeList::SizeCount() const {
  int n = 0;
  for (const TypeList* t = this; t; t = t->dalsi) n += typeSize(t->typ);
  return n;
}

std::string TypeList::text() const {
  std::vector<const TypeList*> order;  // the list runs last parameter first
  for (const TypeList* t = this; t; t = t->dalsi) order.push_back(t);
  std::string text;
  char word[8];
  for (size_t i = order.size(); i-- > 0;) {
    std::snprintf(word, sizeof word, i + 1 == order.size() ? "%04X" : ",%04X", unsigned(order[i]->typ));
    text += word;
  }
  return text;
}

TypeList* newTypeList(int typ, TypeList* dalsi) {
  typeLists.push_back(std::make_unique<TypeList>(typ, dalsi));
  return typeLists.back().get();
}

PrvekTab::PrvekTab(const char* jmeno, DruhId druh, int typ, int adr, PrvekTab* dalsi, int count,
                   TypeList* param)
    : jmeno(jmeno), druh(druh), typ(typ), adr(adr), param(param), dalsi(dalsi), depth(scopeDepth) {
  if (druh != Zalozka) allocate(this, count);
}

void freeSymbols() {
  while (TabSym) {
    PrvekTab* next = TabSym->dalsi;
    delete TabSym;
    TabSym = next;
  }
  typeLists.clear();
  slots.clear();
  namesUsed = 0;
  nameBlocks.clear();
  nameBlockLeft = 0;
  storedNames.clear();
}

const char* storedName(uint32_t id) { return storedNames[id]; }

void InitMem(int size) {
  freeSymbols();
  defaultTyp = 0x0104;
  init_mem = volna_adr_mem = lowestStatic = size;
  volna_adr_stack = 0;
  volna_adr_param = 1;
  param_on = false;
  stack_posledni = 0;
  scopeDepth = 0;
}

void ParamDeklOn() {
  volna_adr_param = 1;
  param_on = true;
}

void ParamDeklOff() { param_on = false; }

int getStack() { return volna_adr_stack; }

int getStackSync() {
  int change = volna_adr_stack - stack_posledni;
  stack_posledni = volna_adr_stack;
  return change;
}

int getStackBreak(int level) { return level - volna_adr_stack; }
int getStackContinue(int level) { return level - volna_adr_stack; }
int getDefaultTyp() { return defaultTyp; }
int lowestStaticAddress() { return lowestStatic; }

void pridejZalozku() {
  PrvekTab* mark = new PrvekTab("", Zalozka, defaultTyp, volna_adr_stack, TabSym, 1, nullptr);
  mark->zalozka = true;
  TabSym = mark;
  scopeDepth++;
  defaultTyp = 0x0404;
}

int odeberZalozku() {
  for (;;) {
    if (!TabSym) Chyba("termination of block of variables which have not started");
    if (TabSym->zalozka) break;
    unlinkHead();
  }
  volna_adr_stack = TabSym->adr;
  defaultTyp = TabSym->typ;  // the enclosing default, base type included
  unlinkHead();
  scopeDepth--;
  return volna_adr_stack;
}

void deklProm(const char* jmeno, int typ, bool init, int initvalue, TypeList* param) {
  // A const parameter is a read-only variable holding the passed argument.
  if ((typ & TYP_CONST) && !param_on) {
    deklKonst(jmeno, typ, 0);
    return;
  }
  PrvekTab* found = hledejId(jmeno, true);
  if (found) {
    if (!(typ & TYP_FUNCTION)) ChybaJmeno(jmeno, "druha deklarace");
    if (found->typ != (typ | TYP_PROTOTYPE)) ChybaJmeno(jmeno, "druha deklarace");
    found->typ &= typ;
  }
  if (typ & TYP_FUNCTION) {
    if (found) {
      bool equal = found->param ? found->param->Compare(param) : param == nullptr;
      if (!equal) ChybaJmeno(jmeno, "parameters types are not identical with previous declaration");
    }
    pushEntry(jmeno, Promenna, typ, 0, 0, param);
  } else {
    pushEntry(jmeno, Promenna, typ, 0, 1, nullptr);
  }
  if (init) {
    TabSym->initvalue = initvalue;
    TabSym->init_on = true;
  }
}

void deklPole(const char* jmeno, int typ, int pocet) {
  if (typ & TYP_CONST) {
    deklKonst(jmeno, typ, 0);
    return;
  }
  if (hledejId(jmeno, true)) ChybaJmeno(jmeno, "second declaration");
  pushEntry(jmeno, Promenna, typ, 0, pocet, nullptr);
}

void deklKonst(const char* jmeno, int typ, int hodnota) {
  if (!(typ & TYP_CONST)) {
    deklProm(jmeno, typ, false, 0, nullptr);
    return;
  }
  if (hledejId(jmeno, true)) ChybaJmeno(jmeno, "second declaration");
  pushEntry(jmeno, Konstanta, typ, hodnota, 1, nullptr);
}

PrvekTab* hledejId(const char* jmeno, bool jenBlok) {
  PrvekTab* entry = lookup(jmeno);
  if (entry && jenBlok && entry->depth != scopeDepth) return nullptr;
  return entry;
}

DruhId idPromKonst(const char* jmeno, int* hodnota) {
  PrvekTab* entry = lookup(jmeno);
  if (!entry) return Zalozka;
  if (hodnota) *hodnota = entry->adr;
  return entry->druh;
}

int typPromKonst(const char* jmeno) { return mustFind(jmeno)->typ; }
int lenPromKonst(const char* jmeno) { return mustFind(jmeno)->len; }
TypeList* paramPromKonst(const char* jmeno) { return mustFind(jmeno)->param; }

int adrProm(const char* jmeno) {
  PrvekTab* entry = mustFind(jmeno);
  if (entry->druh != Promenna) ChybaJmeno(jmeno, "is not variable");
  return entry->adr;
}
