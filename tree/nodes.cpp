// Node construction, the node arena and the small operations of the tree.
// (Translation and node text live in codegen/ and tree/print.cpp.)
#include <cstring>
#include <string>
#include <vector>

#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {
// Nodes whose destructor frees memory of their own (inline assembler text);
// every other node lives entirely in the blocks below.
std::vector<Node*> ownersOfMemory;

// Node storage: large blocks handed out front to back.  Blocks given back
// by releaseNodes() are kept and filled again; freeAllNodes() returns them.
constexpr size_t kBlockSize = 1 << 20;
std::vector<char*> blocks;
size_t blocksInUse = 0;  // blocks[blocksInUse - 1] is being filled, later ones are spare
size_t blockUsed = kBlockSize;

void copyName(char (&to)[32], const char* from) {
  size_t n = from ? std::strlen(from) : 0;
  if (n > sizeof to - 1) n = sizeof to - 1;
  if (n) std::memcpy(to, from, n);  // from may be null (no name)
  to[n] = '\0';
}
}  // namespace

Node::Node() : SourcePos(SourcePos::here()) {}
Node::~Node() = default;
Node* Node::Optimize() { return this; }

void Node::copyInfo(const Node* from) {
  SourcePos::operator=(*from);
}

// Nodes hold nothing but pointers and integers, so pointer alignment is
// enough; it keeps the larger nodes from rounding up to 16 bytes.
void* Node::operator new(size_t size) {
  static_assert(alignof(Node) == alignof(void*), "nodes hold only pointers and integers");
  size = (size + alignof(void*) - 1) & ~(alignof(void*) - 1);
  if (blockUsed + size > kBlockSize) {
    if (blocksInUse == blocks.size()) blocks.push_back(static_cast<char*>(::operator new(kBlockSize)));
    blocksInUse++;
    blockUsed = 0;
  }
  void* memory = blocks[blocksInUse - 1] + blockUsed;
  blockUsed += size;
  return memory;
}

NodeMark markNodes() { return NodeMark{blocksInUse, blockUsed, ownersOfMemory.size()}; }

void releaseNodes(const NodeMark& mark) {
  while (ownersOfMemory.size() > mark.owners) {
    ownersOfMemory.back()->~Node();
    ownersOfMemory.pop_back();
  }
  blocksInUse = mark.blocks;
  blockUsed = mark.used;
}

void freeAllNodes() {
  releaseNodes(NodeMark{0, kBlockSize, 0});
  for (char* block : blocks) ::operator delete(block);
  blocks.clear();
}

// ---- Expr defaults ----

Node* Expr::Optimize() { return this; }

bool Expr::IsSimple() { return false; }
void Expr::TranslateSimple() { Translate(); }
int Expr::ParameterCount() { return 1; }

void Expr::copyExprFields(const Expr* from) {
  copyInfo(from);
  typ = from->typ;
  adr = from->adr;
}

// ---- leaves ----

// A number's type follows from its value: constant always, unsigned when not
// negative, one byte when it fits in a signed or unsigned byte.
Numb::Numb(int value) : value(value) {
  typ = TYP_CONST;
  if (value >= 0) typ |= TYP_UNSIGNED;
  typ |= (value >= -128 && value <= 255) ? TYP_CHAR : TYP_INT;
}

Expr* Numb::clone() {
  Numb* copy = new Numb(value);
  copy->copyExprFields(this);
  return copy;
}

Var::Var(uint32_t nameId, int adr, int typ) : nameId(nameId) {
  this->adr = adr;
  this->typ = typ;
}

bool Var::IsSimple() { return !(typ & TYP_FUNCTION); }

Expr* Var::clone() {
  Var* copy = new Var(nameId, adr, typ);
  copy->copyExprFields(this);
  return copy;
}

Type::Type(int typ, Expr* expr) : expr(expr) { this->typ = typ; }
int Type::GetAddr() { return expr ? expr->GetAddr() : Expr::GetAddr(); }
bool Type::IsSimple() { return expr && expr->IsSimple(); }

Expr* Type::clone() {
  Type* copy = new Type(typ, expr ? expr->clone() : nullptr);
  copy->copyExprFields(this);
  return copy;
}

bool Deref::IsSimple() { return expr && expr->IsSimple(); }

// ---- operators ----

BinOp::BinOp(Operator op, Expr* left, Expr* right) : op(op), left(left), right(right) {
  typ = TYP_CONST;
}

int BinOp::ParameterCount() {
  if (op != OP_COMMA) return 1;
  return (right ? right->ParameterCount() : 0) + (left ? left->ParameterCount() : 0);
}

Expr* BinOp::clone() {
  BinOp* copy = new BinOp(op, left ? left->clone() : nullptr, right ? right->clone() : nullptr);
  copy->copyExprFields(this);
  return copy;
}

// ---- statements and program ----

InlineAsm::InlineAsm(const char* text) : text(new char[std::strlen(text) + 1]) {
  std::strcpy(this->text, text);
  ownersOfMemory.push_back(this);
}

InlineAsm::~InlineAsm() { delete[] text; }

FunctList::FunctList(const char* name, Statm* body, Funct* next) : body(body), next(next) {
  copyName(this->name, name);
}

Expr* VarOrConst(const char* name) {
  PrvekTab* entry = hledejId(name, false);  // one lookup: every name use passes here
  if (entry && entry->druh == Promenna) return new Var(entry->nameId, entry->adr, entry->typ);
  if (entry && entry->druh == Konstanta) return new Numb(entry->adr);
  std::string text = std::string("var or const \"") + name + "\" is not declared";
  Chyba(text.c_str());
}

// The sizes the field order above is for (the node arena's use of memory
// is most of the compiler's).
static_assert(sizeof(Expr) == 32 && sizeof(Numb) == 32 && sizeof(Var) == 32 && sizeof(BinOp) == 48,
              "node sizes");
