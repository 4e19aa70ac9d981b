// The one table of the instruction set that the assembler, the encoder and
// the decoder all read: each operation's mnemonic, operand form and code.
#pragma once

#include <string>

#include "instruction.h"

namespace assembly {

enum class Form {
  Alu,        // sX, sY|kk               code: the 6-bit prefix P of the constant form
  Address,    // sX, (sY)|kk             code: P, as for Alu
  Shift,      // sX                      code: the low 4 bits
  Branch,     // [cond,] aaa             code: the unconditional word
  Return,     // [cond]                  code: the unconditional word
  ReturnI,    // ENABLE|DISABLE          code: the DISABLE word
  Interrupt,  // INTERRUPT               code: the whole word
};

struct OpInfo {
  Op op;
  const char* name;
  Form form;
  uint32_t code;
};

const OpInfo& infoOf(Op op);

// The operation a mnemonic (in upper case) names, or nullptr.
const OpInfo* findMnemonic(const std::string& name);

// Conditions of JUMP, CALL and RETURN by their upper-case names.
std::optional<Cond> findCondition(const std::string& name);
const char* conditionName(Cond c);

}  // namespace assembly
