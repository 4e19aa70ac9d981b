// The driver's warnings: constructs that compile cleanly but compute
// something other than what the same C means elsewhere.  This module names
// them, holds the selection the -W options make, and collects findings;
// check.h finds them in the tree, and the parser reports the facts the tree
// does not keep (static initializers, text after "asm {").
#pragma once

#include <string>
#include <vector>

#include "diag/diagnostics.h"

enum class Warning {
  StaticInit,
  ReturnWidth,
  SignedCompare,
  ShiftSigned,
  ByteArith,
  NoShortCircuit,
  UnprototypedArgs,
  StoreNonPointer,
  AsmText,
  TargetTwice,
  Stack,
  CallDepth,
  Count
};

// The -W name of a warning ("static-init").
const char* warningName(Warning w);

// Which warnings are on and whether they count as errors.  All are on by
// default: each one marks a wrong result, not a matter of style.
class WarningSelection {
 public:
  WarningSelection();
  // Applies one option: -Wall, -Werror, -Wno-error, -Wname or -Wno-name.
  // False for a name that is not a warning.
  bool apply(const std::string& option);
  bool enabled(Warning w) const { return on_[int(w)]; }
  bool errors() const { return errors_; }

 private:
  bool on_[int(Warning::Count)];
  bool errors_ = false;
};

struct Finding {
  Warning kind;
  SourcePos at;
  std::string text;
};

// The findings of one compilation, in the order they were found; those of
// warnings that are switched off are never recorded.
class Findings {
 public:
  explicit Findings(const WarningSelection& selection) : selection_(selection) {}
  void add(Warning kind, const SourcePos& at, const std::string& text);
  const std::vector<Finding>& list() const { return list_; }

 private:
  const WarningSelection& selection_;
  std::vector<Finding> list_;
};

// The findings of the parse and of the tree walk as one list in source
// order (each list is in source order already).
std::vector<Finding> inSourceOrder(const std::vector<Finding>& parsed, const std::vector<Finding>& walked);

// Parse-time checks, called from the parser's hooks.
void checkStaticInitializer(Findings& findings, const char* name, const SourcePos& at);
void checkAsmLineTail(Findings& findings, const char* text, const SourcePos& at);
