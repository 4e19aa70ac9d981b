// The driver's command line.
#pragma once

#include <string>
#include <vector>

enum class ImageFormat { Hex, Mem, Mif, Vhdl, Verilog };

struct Options {
  std::string input;              // a .c or .psm file, or "-" for C on standard input
  std::string output;             // -o; empty: the default name
  bool assemblyOnly = false;      // -S
  bool optimize = false;          // -O
  bool sourceLines = false;       // -g
  bool preprocessOnly = false;    // -E
  bool formatGiven = false;
  ImageFormat format = ImageFormat::Hex;  // --format, else from OUT's extension
  std::string listing;            // --listing
  bool size = false;              // --size
  std::vector<std::string> warningFlags;  // -Wall, -Wname, -Wno-name, -Werror, in order
  std::vector<std::string> preprocessorArgs;  // -D, -U, -I as given, each one word
  std::string preprocessor;       // --cpp; empty: $CPP, then cpp
};

// What the command line asks for: a build, or an exit right away (after
// --help, --version or a bad command line, whose message is already out).
struct CommandLine {
  Options options;
  bool exitNow = false;
  int status = 0;
};

CommandLine parseCommandLine(int argc, char** argv);

// The input's kind: its extension decides, standard input is C.
bool isAssemblyInput(const std::string& input);

// The extension of an image format (".hex", ...).
const char* formatExtension(ImageFormat format);

// OUT when -o gave one, else the input's base name (without folder and
// extension; "a" for standard input) with the extension of what is written.
std::string defaultOutput(const Options& options);

// A path without its folder and extension ("out/rom.vhd" -> "rom").
std::string baseName(const std::string& path);
