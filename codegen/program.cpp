// The frame of the output program: banner, memory map, start-up code,
// interrupt entry, functions, inline assembler, runtime routines, vector.
#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {

enum class Handler { None, Defined, External };

// The interrupt handler is the function my_irq: with a body the program
// gets its own entry code, declared only it is jumped to directly.
Handler interruptHandler() {
  if (idPromKonst("my_irq", nullptr) != Promenna) return Handler::None;
  int typ = typPromKonst("my_irq");
  if (!(typ & TYP_FUNCTION)) return Handler::None;
  return (typ & TYP_PROTOTYPE) ? Handler::External : Handler::Defined;
}

const char* const kInterruptEntry =
    "irq1:\n"
    "        LOAD    s6,s4\n"
    "        LOAD    s7,s5\n"
    "        LOAD    s8,s0\n"
    "        LOAD    s9,s1\n"
    "        LOAD    sA,s2\n"
    "        LOAD    sB,s3\n"
    "        LOAD    sC,sD\n"
    "        CALL    _my_irq\n"
    "        OR      s2,s2\n"
    "        LOAD    sD,sC\n"
    "        LOAD    s3,sB\n"
    "        LOAD    s2,sA\n"
    "        LOAD    s1,s9\n"
    "        LOAD    s0,s8\n"
    "        LOAD    s5,s7\n"
    "        LOAD    s4,s6\n"
    "        JUMP    Z,irq0\n"
    "        RETURNI ENABLE\n\n\n"
    "irq0:\n"
    "        RETURNI DISABLE\n\n\n";

}  // namespace

int ActReturnLoop = -1;

void Prog::Translate() {
  out.puts("        ;========================================================\n");
  out.puts("        ;==  C to assembler compiler for ZEFO Tarvel platform  ==\n");
  out.puts("        ;========================================================\n");
  out.puts("        ;\n");
  int stackStart = obsazeni_pameti();
  // The data stack starts below every static, block statics included.
  if (lowestStaticAddress() < stackStart) stackStart = lowestStaticAddress();
  out.puts("\n\n");
  out << "        LOAD    sF," << Hex2{unsigned(stackStart)} << '\n';
  out.puts("        CALL    _main\n");
  out.puts("main_end:\n");
  out.puts("        JUMP    main_end\n\n");
  Handler handler = interruptHandler();
  if (handler == Handler::Defined) out.puts(kInterruptEntry);
  if (functs) functs->Translate();
  VlozMakra();
  if (handler != Handler::None) {
    out.puts("        ADDRESS 3FF\n");
    out.puts(handler == Handler::Defined ? "        JUMP    irq1\n\n" : "        JUMP    _my_irq\n\n");
  }
  out.puts("        ;========================================================\n");
  out.puts("        ;==  C compiler for ZEFO Tarvel platform  ==\n");
  out.puts("        ;========================================================\n\n");
}

// Translates this item and every following one (a loop: units can hold
// thousands of functions).  The nodes a translation makes (copies of
// compound assignment targets, store targets) are needed only while its
// item is translated, so they are released after each item.
void FunctList::Translate() {
  for (FunctList* f = this; f; f = as<FunctList>(f->next)) {
    if (!f->body) continue;
    NodeMark temporaries = markNodes();
    if (f->name[0]) {
      ActReturnLoop = NewLabel();
      out.puts("        ;================================================\n");
      out << "        ; Function " << f->name << ":\n";
      out << '_' << f->name << ":\n";
      out.puts("        SUB     sF,01\n        STORE   sE,(sF)\n        LOAD    sE,sF\n");
      f->body->Translate();
      putLabel(ActReturnLoop);
      out.puts("        LOAD    sF,sE\n        FETCH   sE,(sF)\n        ADD     sF,01\n        RETURN\n\n\n");
    } else {
      out.puts("        ;================================================\n");
      out.puts("        ; Inline assembler\n");
      f->body->Translate();
      out.puts("\n\n");
    }
    releaseNodes(temporaries);
  }
}

void InlineAsm::Translate() {
  out.puts(";inline asm function start\n");
  out.puts(text);
  out.puts(";inline asm function end\n");
}

void Irq::Translate() {
  out.puts(on ? "        ENABLE  INTERRUPT\n" : "        DISABLE INTERRUPT\n");
}
