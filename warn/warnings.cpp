// Warning names, the -W selection, and the two checks made while parsing.
#include "warn/warnings.h"

#include <cstring>

namespace {

const char* const kNames[] = {
    "static-init",       "return-width",  "signed-compare",    "shift-signed",
    "byte-arith",        "no-short-circuit", "unprototyped-args", "store-non-pointer",
    "asm-text",          "target-twice",  "stack",             "call-depth",
};
static_assert(sizeof kNames / sizeof kNames[0] == int(Warning::Count), "one name per warning");

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// Skips blanks and comments (C comments and the assembler's "; ..."), which
// are harmless to drop; returns where real text starts, or null.
const char* firstText(const char* p) {
  for (;;) {
    while (*p && isBlank(*p)) p++;
    if (!*p || *p == ';' || (p[0] == '/' && p[1] == '/')) return nullptr;
    if (p[0] != '/' || p[1] != '*') return p;
    const char* end = p + 2;
    while (*end && !(end[0] == '*' && end[1] == '/')) end++;
    if (!*end) return nullptr;  // the comment runs on past the line
    p = end + 2;
  }
}

}  // namespace

const char* warningName(Warning w) { return kNames[int(w)]; }

WarningSelection::WarningSelection() {
  for (bool& on : on_) on = true;
}

bool WarningSelection::apply(const std::string& option) {
  if (option == "-Wall") {
    for (bool& on : on_) on = true;
    return true;
  }
  if (option == "-Werror" || option == "-Wno-error") {
    errors_ = option == "-Werror";
    return true;
  }
  bool off = option.compare(0, 5, "-Wno-") == 0;
  std::string name = option.substr(off ? 5 : 2);
  for (int i = 0; i < int(Warning::Count); i++)
    if (name == kNames[i]) {
      on_[i] = !off;
      return true;
    }
  return false;
}

void Findings::add(Warning kind, const SourcePos& at, const std::string& text) {
  if (selection_.enabled(kind)) list_.push_back(Finding{kind, at, text});
}

namespace {
// Whether `a` comes before `b` in the same file; positions in different
// files (line markers) cannot be compared and keep the parse's first.
bool before(const SourcePos& a, const SourcePos& b) {
  if (std::strcmp(a.file(), b.file()) != 0) return false;
  return a.line != b.line ? a.line < b.line : a.column < b.column;
}
}  // namespace

std::vector<Finding> inSourceOrder(const std::vector<Finding>& parsed, const std::vector<Finding>& walked) {
  std::vector<Finding> all;
  size_t i = 0, j = 0;
  while (i < parsed.size() || j < walked.size()) {
    bool takeWalked = i == parsed.size() || (j < walked.size() && before(walked[j].at, parsed[i].at));
    all.push_back(takeWalked ? walked[j++] : parsed[i++]);
  }
  return all;
}

void checkStaticInitializer(Findings& findings, const char* name, const SourcePos& at) {
  findings.add(Warning::StaticInit, at,
               std::string("the initial value of '") + name +
                   "' is not stored: the variable starts with whatever memory holds; assign it in code");
}

void checkAsmLineTail(Findings& findings, const char* text, const SourcePos& at) {
  const char* start = firstText(text);
  if (!start) return;
  SourcePos where = at;
  where.column += int(start - text);
  findings.add(Warning::AsmText, where,
               "text after 'asm {' on the same line is dropped; start the block's lines on the next line");
}
