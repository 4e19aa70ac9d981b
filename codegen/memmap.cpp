// The memory map listing at the top of the output.
#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "symbols/tabsym.h"

int obsazeni_pameti() {
  out.puts("        ;-----------------------------------------------\n");
  out.puts("        ; Memory usage:\n");
  out.puts("        ; adr size typ   variable\n");
  int lowest = init_mem;
  for (PrvekTab* e = TabSym; e; e = e->dalsi) {
    if (e->druh == Promenna && (e->typ & TYP_STATIC) && !(e->typ & (TYP_FUNCTION | TYP_PROTOTYPE)) &&
        e->adr < lowest)
      lowest = e->adr;
    if (!(e->typ & (TYP_FUNCTION | TYP_CONST))) {
      if (e->init_on)
        out.printf("        ; %3d  %3d  %04X  %s - initvalue=%d\n", e->adr, e->len, unsigned(e->typ),
                   e->jmeno.c_str(), e->initvalue);
      else
        out.printf("        ; %3d  %3d  %04X  %s\n", e->adr, e->len, unsigned(e->typ), e->jmeno.c_str());
    }
    if ((e->typ & TYP_FUNCTION) && !(e->typ & TYP_PROTOTYPE)) {
      out.printf("        ; ---  %3d  %04X  %s(", e->len, unsigned(e->typ), e->jmeno.c_str());
      if (e->param) out.puts(e->param->text().c_str());
      out.puts(")\n");
    }
  }
  out.puts("        ;-----------------------------------------------\n\n");
  for (PrvekTab* e = TabSym; e; e = e->dalsi)
    if (!(e->typ & (TYP_FUNCTION | TYP_CONST)))
      out.printf("        CONSTANT    _%s , %02X\n", e->jmeno.c_str(), unsigned(e->adr));
  return lowest;
}
