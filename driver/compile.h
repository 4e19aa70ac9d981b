// One compilation, from source to assembly text, as a function.
#pragma once

#include <cstdio>
#include <functional>

// Compiles the named file (null: standard input) and writes the program to
// `output`.  Returns the exit status; any diagnostic has been printed.
int compileUnit(const char* name, std::FILE* output);

// Runs `work` on a thread with a stack large enough for deeply nested
// source (the parser, optimizer and code generator recurse on nesting).
int runWithLargeStack(const std::function<int()>& work);
