// The driver's messages, in the form the usual C compilers print them:
//   FILE:LINE: error: text        (a place in a source)
//   tarvel: error: text           (no place)
#pragma once

#include <string>

// Prints "tarvel: error: TEXT".
void driverError(const std::string& text);
// Prints "FILE:LINE: KIND: TEXT" (without ":LINE" when line is 0).
void placedMessage(const std::string& file, int line, const char* kind, const std::string& text);

// Sends the compiler's diagnostics through the driver's format for the
// rest of the process.
void useDriverMessages();
