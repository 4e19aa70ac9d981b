// The C preprocessor, run as a separate program for sources that ask for
// it (#define, #include, #if): its output, with its line markers turned
// into the compiler's own, is what the compiler reads.
#pragma once

#include <string>

#include "driver/options.h"

// A line whose first non-blank character is '#', or any of -D, -U, -I, -E.
bool needsPreprocessor(const Options& options, const std::string& source);

// Runs the preprocessor over the source.  Returns 0 with the text for the
// compiler in `text`, or 1 after its errors have been printed.
int preprocess(const Options& options, const std::string& source, std::string& text);

// The steps of preprocess(), for tests: asm block lines made opaque to the
// preprocessor (a line becomes an identifier that no macro can touch), and
// the preprocessor's output turned into the compiler's input, asm lines
// restored and each "# N "file"" marker turned into the compiler's marker.
// `mainName` replaces the name the preprocessor gives standard input, and
// `folder` (empty or ending in '/') is put before relative header names.
std::string protectAsmBlocks(const std::string& source);
std::string compilerInput(const std::string& output, const std::string& mainName,
                          const std::string& folder);
