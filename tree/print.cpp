// Textual form of the nodes.  The operand forms appear in the comment lines
// of the output; the statement forms are a debugging dump of the tree.
#include "tree/emit.h"
#include "tree/strom.h"

namespace {

void printOptional(Node* node) {
  if (node) node->print();
}

const char* operatorSign(Operator op) {
  switch (op) {
    case OP_MUL: return "*";
    case OP_DIV: return "/";
    case OP_ADD: return "+";
    case OP_SUB: return "-";
    case OP_EQ: return "==";
    case OP_NE: return "!=";
    case OP_AND: return "&";
    case OP_XOR: return "^";
    case OP_OR: return "|";
    case OP_COMMA: return ",";
    case OP_ASSIGN: return "=";
    default: return "@";
  }
}

void printOperand(Expr* e) {
  out.puts("(");
  if (e) e->print();
  else out.puts("#");
  out.puts(")");
}

}  // namespace

void Var::print() { out.puts(name); }
void Numb::print() { out.printf("%d", value); }
void Type::print() { out.printf("(cast %d)", typ); }

void BinOp::print() {
  printOperand(left);
  out.puts(operatorSign(op));
  printOperand(right);
}

void UnaryExpr::printAround(const char* before, const char* after) {
  out.puts(before);
  printOptional(expr);
  out.puts(after);
}

void Ref::print() { printAround(" &(", ") "); }
void Deref::print() { printAround(" *(", ") "); }
void LogNeg::print() { printAround(" !(", ") "); }
void BitNeg::print() { printAround(" ~(", ") "); }
void UnMinus::print() { printAround(" -(", ") "); }
void PostfixPlus::print() { printAround(" (", ")++ "); }
void PostfixMinus::print() { printAround(" (", ")-- "); }
void PrefixPlus::print() { printAround(" ++(", ") "); }
void PrefixMinus::print() { printAround(" --(", ") "); }

void Prog::print() { printOptional(functs); }

void FunctList::print() {
  out.printf("Function:%s\n", name);
  printOptional(body);
  printOptional(next);
}

void StatmList::print() {
  out.puts(" statm_list(");
  printOptional(first);
  out.puts(",");
  printOptional(rest);
  out.puts(") ");
}

void VyrazStat::print() {
  out.puts(" vyraz_stat(");
  printOptional(expr);
  out.puts(") ");
}

void StackSync::print() {
  out.puts(" stack_sync(");
  printOptional(statm);
  out.puts(") ");
}

void If::print() {
  out.puts("IF");
  if (cond) { out.puts(" ("); cond->print(); out.puts(") "); }
  if (thenStatm) { out.puts(" {"); thenStatm->print(); out.puts("} "); }
  if (elseStatm) { out.puts("ELSE {"); elseStatm->print(); out.puts("} "); }
}

void While::print() {
  out.puts("WHILE");
  if (cond) { out.puts(" ("); cond->print(); out.puts(") "); }
  if (body) { out.puts(" {"); body->print(); out.puts("} "); }
}

void DoWhile::print() {
  out.puts("DO");
  if (body) { out.puts(" {"); body->print(); out.puts("} "); }
  if (cond) { out.puts("WHILE ("); cond->print(); out.puts("); "); }
}

void For::print() {
  out.puts("FOR( ");
  if (init) { init->print(); out.puts(" ; "); }
  if (cond) { cond->print(); out.puts(" ; "); }
  printOptional(step);
  out.puts(")");
  if (body) { out.puts(" {"); body->print(); out.puts("} "); }
}

void Switch::print() {
  out.puts("SWITCH (");
  printOptional(expr);
  out.puts(") {");
  printOptional(cases);
  out.puts("} ");
}

void Case::print() {
  out.puts("CASE ");
  printOptional(value);
  out.puts(": ");
  printOptional(body);
  out.puts("; ");
  printOptional(next);
}

void Break::print() { out.puts("BREAK "); }
void Continue::print() { out.puts("CONTINUE "); }

void Return::print() {
  out.puts("RETURN ");
  printOptional(expr);
}

void InlineAsm::print() {
  out.puts("ASM ");
  out.puts(text);
}

void Irq::print() { out.puts(on ? "IRQ_ON;" : "IRQ_OFF;"); }
