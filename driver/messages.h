// The driver's messages, in the form the usual C compilers print them:
//   FILE:LINE:COLUMN: error: text      (a place in a source)
//     the source line
//     ^                                (a caret under the column)
//   FILE:LINE:COLUMN: note: hint       (after an error about a construct
//                                       from other C compilers)
//   tarvel: error: text                (no place)
#pragma once

#include <string>

#include "diag/diagnostics.h"
#include "warn/warnings.h"

// Prints "tarvel: error: TEXT".
void driverError(const std::string& text);
// Prints "FILE:LINE: KIND: TEXT" (without ":LINE" when line is 0), for
// places that have no column (assembly lines, the memory budget).
void placedMessage(const std::string& file, int line, const char* kind, const std::string& text);
// Prints "FILE:LINE:COLUMN: KIND: TEXT" and, when the line can be found,
// the source line with a caret under the column.
void sourceMessage(const SourcePos& at, const char* kind, const std::string& text);

// The text of the unit being compiled, under the name its messages use;
// lines of other files (named by line markers) are read from disk.  The
// text must outlive the messages.
void setMainSource(const std::string& name, const std::string* text);

// Prints one warning: "warning: TEXT [-Wname]", or under -Werror
// "error: TEXT [-Werror=name]".
void printFinding(const Finding& finding, bool asError);

// Sends the compiler's diagnostics through the driver's format for the
// rest of the process.
void useDriverMessages();
