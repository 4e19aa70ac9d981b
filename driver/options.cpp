// The driver's command line, in the style of the usual C compilers: short
// options that take their value joined or as the next word (-o OUT, -oOUT),
// long options with "=" (--format=hex), one input file.
#include "driver/options.h"

#include <cstdio>
#include <cstring>

#include "warn/warnings.h"

namespace {

const char* const kUsage =
    "usage: tarvel [options] FILE\n"
    "\n"
    "Builds firmware for the ZEFO Tarvel processor. FILE is a C source (.c),\n"
    "an assembly program (.psm) to assemble only, or - for C on standard input.\n"
    "\n"
    "  -o OUT          write OUT (\"-\" for standard output); default: FILE's base\n"
    "                  name with the extension of what is written\n"
    "  -S              stop after compiling: write the assembly text (.psm)\n"
    "  --format=F      image format: hex, mem, mif, vhdl or verilog (default:\n"
    "                  from OUT's extension, else hex)\n"
    "  --listing=LST   also write a listing: address, word and source line\n"
    "  --size          print the memory budget after a successful build\n"
    "  -O              optimize for size and speed\n"
    "  -g              record the C source line of every instruction\n"
    "  -Wall, -Wname, -Wno-name, -Werror\n"
    "                  select warnings (all are on by default): static-init,\n"
    "                  return-width, signed-compare, shift-signed, byte-arith,\n"
    "                  no-short-circuit, unprototyped-args, store-non-pointer,\n"
    "                  asm-text, target-twice, stack, call-depth\n"
    "  -DNAME[=VALUE], -UNAME, -IDIR\n"
    "                  preprocessor macros and include folders\n"
    "  -E              stop after preprocessing: write the preprocessed text\n"
    "  --cpp=CMD       the C preprocessor to run (default: $CPP, else cpp)\n"
    "  --version       print the version\n"
    "  --help          print this text\n";

struct Format {
  const char* name;
  const char* extension;
  ImageFormat format;
};

const Format kFormats[] = {
    {"hex", ".hex", ImageFormat::Hex},         {"mem", ".mem", ImageFormat::Mem},
    {"mif", ".mif", ImageFormat::Mif},         {"vhdl", ".vhd", ImageFormat::Vhdl},
    {"verilog", ".v", ImageFormat::Verilog},
};

bool endsWith(const std::string& text, const char* suffix) {
  size_t n = std::strlen(suffix);
  return text.size() >= n && text.compare(text.size() - n, n, suffix) == 0;
}

CommandLine fail(const std::string& message) {
  std::fprintf(stderr, "tarvel: error: %s\nTry 'tarvel --help' for more information.\n", message.c_str());
  CommandLine result;
  result.exitNow = true;
  result.status = 2;
  return result;
}

CommandLine finish(const char* text) {
  std::fputs(text, stdout);
  CommandLine result;
  result.exitNow = true;
  result.status = std::fflush(stdout) == 0 ? 0 : 1;
  return result;
}

bool formatNamed(const std::string& name, ImageFormat& format) {
  for (const Format& f : kFormats)
    if (name == f.name) {
      format = f.format;
      return true;
    }
  return false;
}

// The image format that OUT's extension names, if any (".vhdl" too).
bool formatOfFile(const std::string& file, ImageFormat& format) {
  for (const Format& f : kFormats)
    if (endsWith(file, f.extension)) {
      format = f.format;
      return true;
    }
  if (!endsWith(file, ".vhdl")) return false;
  format = ImageFormat::Vhdl;
  return true;
}

// Whether `arg` is the option `name` that takes a value: a short one with
// the value joined ("-oOUT") or not, a long one alone or with "=".
bool isValueOption(const std::string& arg, const char* name) {
  size_t n = std::strlen(name);
  if (arg.compare(0, n, name) != 0) return false;
  return name[1] != '-' || arg.size() == n || arg[n] == '=';
}

// The value of such an option: joined, or the next word (null when missing).
const char* valueOf(const std::string& arg, const char* name, int argc, char** argv, int& i) {
  size_t n = std::strlen(name);
  if (arg.size() > n) return argv[i] + n + (name[1] == '-' ? 1 : 0);
  return i + 1 < argc ? argv[++i] : nullptr;
}

}  // namespace

bool isAssemblyInput(const std::string& input) {
  return endsWith(input, ".psm") || endsWith(input, ".asm");
}

const char* formatExtension(ImageFormat format) {
  for (const Format& f : kFormats)
    if (f.format == format) return f.extension;
  return ".hex";
}

std::string baseName(const std::string& path) {
  std::string base = path;
  size_t slash = base.rfind('/');
  if (slash != std::string::npos) base.erase(0, slash + 1);
  size_t dot = base.rfind('.');
  if (dot != std::string::npos && dot > 0) base.erase(dot);
  return base;
}

std::string defaultOutput(const Options& options) {
  if (!options.output.empty()) return options.output;
  std::string base = options.input == "-" ? "a" : baseName(options.input);
  if (options.preprocessOnly) return "-";
  if (options.assemblyOnly) return base + ".psm";
  return base + formatExtension(options.format);
}

CommandLine parseCommandLine(int argc, char** argv) {
  CommandLine result;
  Options& o = result.options;
  std::string formatName;
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i];
    auto value = [&](const char* name) { return valueOf(arg, name, argc, argv, i); };
    auto starts = [&](const char* name) { return isValueOption(arg, name); };
    if (arg == "-" || arg.empty() || arg[0] != '-') {
      if (!o.input.empty()) return fail("a second input file '" + arg + "' (one file is built at a time)");
      o.input = arg;
    } else if (arg == "--help") {
      return finish(kUsage);
    } else if (arg == "--version") {
      return finish("tarvel 1.0.0 (Tarvel toolchain: C compiler, assembler and memory images)\n");
    } else if (arg == "-S") {
      o.assemblyOnly = true;
    } else if (arg == "-E") {
      o.preprocessOnly = true;
    } else if (arg == "-g") {
      o.sourceLines = true;
    } else if (arg == "-O" || arg == "-O1" || arg == "-O2" || arg == "-Os") {
      o.optimize = true;
    } else if (arg == "-O0") {
      o.optimize = false;
    } else if (arg == "--size") {
      o.size = true;
    } else if (starts("-o")) {
      const char* v = value("-o");
      if (!v) return fail("missing file name after '-o'");
      o.output = v;
    } else if (starts("--format")) {
      const char* v = value("--format");
      if (!v) return fail("missing format after '--format'");
      formatName = v;
      if (!formatNamed(formatName, o.format))
        return fail("unknown format '" + formatName + "' (hex, mem, mif, vhdl or verilog)");
      o.formatGiven = true;
    } else if (starts("--listing")) {
      const char* v = value("--listing");
      if (!v || !*v) return fail("missing file name after '--listing'");
      o.listing = v;
    } else if (starts("--cpp")) {
      const char* v = value("--cpp");
      if (!v || !*v) return fail("missing command after '--cpp'");
      o.preprocessor = v;
    } else if (starts("-W") && arg.size() > 2) {
      WarningSelection check;
      if (!check.apply(arg)) return fail("unknown warning option '" + arg + "'");
      o.warningFlags.push_back(arg);
    } else if (starts("-D") || starts("-U") || starts("-I")) {
      std::string flag = arg.substr(0, 2);
      const char* v = value(flag.c_str());
      if (!v || !*v) return fail("missing " + std::string(flag == "-I" ? "folder" : "macro name") + " after '" + flag + "'");
      o.preprocessorArgs.push_back(flag + v);
    } else {
      return fail("unknown option '" + arg + "'");
    }
  }
  if (o.input.empty()) return fail("no input file");
  if (o.preprocessOnly && isAssemblyInput(o.input))
    return fail("-E with the assembly input '" + o.input + "': there is nothing to preprocess");
  if (o.assemblyOnly && isAssemblyInput(o.input))
    return fail("-S with the assembly input '" + o.input + "': there is nothing to compile");
  if (!o.formatGiven && !o.output.empty()) formatOfFile(o.output, o.format);
  return result;
}
