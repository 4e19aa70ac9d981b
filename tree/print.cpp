// Textual form of the nodes, appended to a string.  The operand forms appear
// in the comment lines of the output; the statement forms are a debugging
// dump of the tree.
#include <string>

#include "tree/strom.h"

namespace {

void printOptional(std::string& text, Node* node) {
  if (node) node->print(text);
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

void printOperand(std::string& text, Expr* e) {
  text.append("(");
  if (e) e->print(text);
  else text.append("#");
  text.append(")");
}

}  // namespace

// A node with no text of its own (and an expression with none) writes an
// empty line.
void Node::print(std::string& text) { text.append("\n"); }
void Expr::print(std::string& text) { text.append("\n"); }

void Var::print(std::string& text) { text.append(name()); }
void Numb::print(std::string& text) { text.append(std::to_string(value)); }
void Type::print(std::string& text) { text.append("(cast ").append(std::to_string(typ)).append(")"); }

void BinOp::print(std::string& text) {
  printOperand(text, left);
  text.append(operatorSign(op));
  printOperand(text, right);
}

void UnaryExpr::printAround(std::string& text, const char* before, const char* after) {
  text.append(before);
  printOptional(text, expr);
  text.append(after);
}

void Ref::print(std::string& text) { printAround(text, " &(", ") "); }
void Deref::print(std::string& text) { printAround(text, " *(", ") "); }
void LogNeg::print(std::string& text) { printAround(text, " !(", ") "); }
void BitNeg::print(std::string& text) { printAround(text, " ~(", ") "); }
void UnMinus::print(std::string& text) { printAround(text, " -(", ") "); }
void PostfixPlus::print(std::string& text) { printAround(text, " (", ")++ "); }
void PostfixMinus::print(std::string& text) { printAround(text, " (", ")-- "); }
void PrefixPlus::print(std::string& text) { printAround(text, " ++(", ") "); }
void PrefixMinus::print(std::string& text) { printAround(text, " --(", ") "); }

void Prog::print(std::string& text) { printOptional(text, functs); }

void FunctList::print(std::string& text) {
  text.append("Function:").append(name).append("\n");
  printOptional(text, body);
  printOptional(text, next);
}

void StatmList::print(std::string& text) {
  text.append(" statm_list(");
  printOptional(text, first);
  text.append(",");
  printOptional(text, rest);
  text.append(") ");
}

void VyrazStat::print(std::string& text) {
  text.append(" vyraz_stat(");
  printOptional(text, expr);
  text.append(") ");
}

void StackSync::print(std::string& text) {
  text.append(" stack_sync(");
  printOptional(text, statm);
  text.append(") ");
}

void If::print(std::string& text) {
  text.append("IF");
  if (cond) { text.append(" ("); cond->print(text); text.append(") "); }
  if (thenStatm) { text.append(" {"); thenStatm->print(text); text.append("} "); }
  if (elseStatm) { text.append("ELSE {"); elseStatm->print(text); text.append("} "); }
}

void While::print(std::string& text) {
  text.append("WHILE");
  if (cond) { text.append(" ("); cond->print(text); text.append(") "); }
  if (body) { text.append(" {"); body->print(text); text.append("} "); }
}

void DoWhile::print(std::string& text) {
  text.append("DO");
  if (body) { text.append(" {"); body->print(text); text.append("} "); }
  if (cond) { text.append("WHILE ("); cond->print(text); text.append("); "); }
}

void For::print(std::string& text) {
  text.append("FOR( ");
  if (init) { init->print(text); text.append(" ; "); }
  if (cond) { cond->print(text); text.append(" ; "); }
  printOptional(text, step);
  text.append(")");
  if (body) { text.append(" {"); body->print(text); text.append("} "); }
}

void Switch::print(std::string& text) {
  text.append("SWITCH (");
  printOptional(text, expr);
  text.append(") {");
  printOptional(text, cases);
  text.append("} ");
}

void Case::print(std::string& text) {
  text.append("CASE ");
  printOptional(text, value);
  text.append(": ");
  printOptional(text, body);
  text.append("; ");
  printOptional(text, next);
}

void Break::print(std::string& text) { text.append("BREAK "); }
void Continue::print(std::string& text) { text.append("CONTINUE "); }

void Return::print(std::string& text) {
  text.append("RETURN ");
  printOptional(text, expr);
}

void InlineAsm::print(std::string& text) {
  text.append("ASM ");
  text.append(this->text);
}

void Irq::print(std::string& text) { text.append(on ? "IRQ_ON;" : "IRQ_OFF;"); }
