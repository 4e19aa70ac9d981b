// One compilation, from source to assembly text, as a function.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

// Compiles the named file (null: standard input) and writes the program to
// `output`.  Returns the exit status; any diagnostic has been printed.
int compileUnit(const char* name, std::FILE* output);

class Prog;

// What the driver asks of a compilation beyond the plain translation.
struct CompileOptions {
  // -g: a ";@ FILE:LINE" comment before the code of each statement.
  bool sourceLines = false;
  // Sees the whole tree after parsing and before the optimizer (warnings).
  std::function<void(Prog*)> afterParse;
};

// Compiles source text already read; `name` is the file diagnostics name.
// The program goes to `output`, or, when that is null, into `assembly`.
// Everything written before a diagnostic is kept, as compileUnit keeps it.
int compileText(const std::string& text, const char* name, std::FILE* output,
                std::string* assembly, const CompileOptions& options);

// Runs `work` on a thread with a stack large enough for deeply nested
// source (the parser, optimizer and code generator recurse on nesting).
int runWithLargeStack(const std::function<int()>& work);
