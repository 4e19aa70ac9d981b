// Rewriting the compiler's interrupt entry to save only the registers the
// handler may change.
#pragma once

#include <string>
#include <vector>

#include "opt/asm.h"

namespace opt {

// Index of the "irq1:" line of the compiler's own entry code in `text`, or
// -1 when there is none or it is not as the compiler writes it.
int findInterruptEntry(const std::vector<std::string>& text);

// The entry for a handler that may change `handlerClobber`: false when the
// handler may change a register of the save area. `slots` gets the
// registers the entry saves into, which no other code may be given.
bool planInterruptEntry(const RegSet& handlerClobber, RegSet& slots, std::vector<Line>& code);

// Puts `code` in place of the entry's instructions after text[at].
void replaceInterruptEntry(std::vector<std::string>& text, int at, const std::vector<Line>& code);

}  // namespace opt
