// The memory map listing at the top of the output.
#include <cstdio>

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
    // The fixed-width columns go through the C library: the listing is a
    // small part of the output.
    char columns[64];
    if (!(e->typ & (TYP_FUNCTION | TYP_CONST))) {
      std::snprintf(columns, sizeof columns, "        ; %3d  %3d  %04X  ", e->adr, e->len, unsigned(e->typ));
      out << columns << e->jmeno;
      if (e->init_on) out << " - initvalue=" << e->initvalue;
      out << '\n';
    }
    if ((e->typ & TYP_FUNCTION) && !(e->typ & TYP_PROTOTYPE)) {
      std::snprintf(columns, sizeof columns, "        ; ---  %3d  %04X  ", e->len, unsigned(e->typ));
      out << columns << e->jmeno << '(';
      if (e->param) out << e->param->text();
      out.puts(")\n");
    }
  }
  out.puts("        ;-----------------------------------------------\n\n");
  for (PrvekTab* e = TabSym; e; e = e->dalsi)
    if (!(e->typ & (TYP_FUNCTION | TYP_CONST)))
      out << "        CONSTANT    _" << e->jmeno << " , " << Hex2{unsigned(e->adr)} << '\n';
  return lowest;
}
