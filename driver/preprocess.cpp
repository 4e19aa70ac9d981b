// The C preprocessor as a separate program.
//
// The source goes to it on standard input, with the preprocessor's working
// folder set to the source's own folder, so that #include "..." finds
// headers beside the source first, as for a file named on its command line;
// the name it gives standard input is mapped back to the source's name.
// It runs without system headers or predefined system macros, with
// __TARVEL__ defined.
//
// asm blocks are not C: an apostrophe or a "//" in an assembler comment
// would be taken for the start of a character constant or a comment.  Each
// line of a block is therefore handed over as one opaque identifier and
// restored afterwards; only lines that start with '#' stay directives, so
// that #ifdef still chooses between assembler lines.
#include "driver/preprocess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/messages.h"

namespace {

const char kAsmLine[] = "__tarvel_asm_";

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

size_t firstNonBlank(const std::string& line) { return line.find_first_not_of(" \t\r\f\v"); }

bool isIdentifierChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Follows comments and character constants through a line of C, so that
// "asm" and "{" are found only where they are tokens.  Returns true when the
// line opens an asm block (its "{" may follow on a later line).
struct AsmFinder {
  bool inComment = false;
  bool sawAsm = false;  // "asm" seen, waiting for its "{"

  bool opensBlock(const std::string& line) {
    for (size_t i = 0; i < line.size(); i++) {
      char c = line[i];
      if (inComment) {
        if (c == '*' && i + 1 < line.size() && line[i + 1] == '/') inComment = false, i++;
      } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '*') {
        inComment = true, i++;
      } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
        break;
      } else if (c == '\'') {
        while (++i < line.size() && line[i] != '\'')
          if (line[i] == '\\') i++;
      } else if (isIdentifierChar(c)) {
        size_t end = i;
        while (end < line.size() && isIdentifierChar(line[end])) end++;
        sawAsm = line.compare(i, end - i, "asm") == 0;
        i = end - 1;
      } else if (c == '{' && sawAsm) {
        sawAsm = false;
        return true;  // the rest of this line is not part of the block
      } else if (c != ' ' && c != '\t' && c != '\r') {
        sawAsm = false;
      }
    }
    return false;
  }
};

std::string hexOf(const std::string& text) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (unsigned char c : text) hex += {digits[c >> 4], digits[c & 15]};
  return hex;
}

// The original line of an opaque asm line, or false for any other line.
bool restoreAsmLine(const std::string& line, std::string& restored) {
  size_t at = firstNonBlank(line);
  if (at == std::string::npos || line.compare(at, sizeof kAsmLine - 1, kAsmLine) != 0) return false;
  size_t from = at + sizeof kAsmLine - 1, to = from;
  while (to < line.size() && std::isxdigit(static_cast<unsigned char>(line[to]))) to++;
  if ((to - from) % 2 || firstNonBlank(line.substr(to)) != std::string::npos) return false;
  restored.clear();
  for (size_t i = from; i < to; i += 2) restored += char(std::strtol(line.substr(i, 2).c_str(), nullptr, 16));
  return true;
}

// A line marker "# N "name" flags": its number and name.
bool readMarker(const std::string& line, long& number, std::string& name) {
  if (line.size() < 5 || line[0] != '#' || line[1] != ' ') return false;
  char* end = nullptr;
  number = std::strtol(line.c_str() + 2, &end, 10);
  if (end == line.c_str() + 2 || std::strncmp(end, " \"", 2) != 0) return false;
  name.clear();
  for (const char* p = end + 2; *p; p++) {
    if (*p == '"') return true;
    if (*p == '\\' && p[1]) p++;
    name += *p;
  }
  return false;
}

std::string folderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string absolute(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  std::vector<char> cwd(4096);
  if (!getcwd(cwd.data(), cwd.size())) return path;
  return std::string(cwd.data()) + "/" + path;
}

// The preprocessor's command: --cpp, else $CPP, else cpp; it may carry
// words of its own ("gcc -E").
std::vector<std::string> commandWords(const Options& o) {
  std::string command = o.preprocessor;
  if (command.empty() && std::getenv("CPP")) command = std::getenv("CPP");
  if (command.empty()) command = "cpp";
  std::vector<std::string> words;
  size_t i = 0;
  while ((i = command.find_first_not_of(" \t", i)) != std::string::npos) {
    size_t end = command.find_first_of(" \t", i);
    words.push_back(command.substr(i, end - i));
    i = end;
  }
  return words;
}

std::vector<std::string> arguments(const Options& o) {
  std::vector<std::string> args = commandWords(o);
  for (const char* a : {"-nostdinc", "-undef", "-D__TARVEL__=1"}) args.push_back(a);
  for (const std::string& a : o.preprocessorArgs)
    args.push_back(a.compare(0, 2, "-I") == 0 ? "-I" + absolute(a.substr(2)) : a);
  args.push_back("-");
  return args;
}

std::string readAll(std::FILE* file) {
  std::string text;
  std::rewind(file);
  char buffer[1 << 16];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  return text;
}

// Runs the command with `input` on its standard input, in `folder`.
// Returns its exit status, or -1 when it could not be started (errno set).
int runProgram(const std::vector<std::string>& args, const std::string& folder, const std::string& input,
               std::string& output, std::string& errors) {
  std::FILE* in = std::tmpfile();
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  int status = -1;
  int pipeFds[2];  // tells the parent why exec failed
  if (in && out && err && std::fwrite(input.data(), 1, input.size(), in) == input.size() &&
      std::fflush(in) == 0 && pipe2(pipeFds, O_CLOEXEC) == 0) {
    std::rewind(in);
    pid_t child = fork();
    if (child == 0) {
      close(pipeFds[0]);
      std::vector<char*> argv;
      for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
      argv.push_back(nullptr);
      if (dup2(fileno(in), 0) >= 0 && dup2(fileno(out), 1) >= 0 && dup2(fileno(err), 2) >= 0 &&
          (folder.empty() || chdir(folder.c_str()) == 0)) {
        execvp(argv[0], argv.data());
      }
      int code = errno;
      (void)!write(pipeFds[1], &code, sizeof code);
      _exit(127);
    }
    close(pipeFds[1]);
    int code = 0;
    bool execFailed = child > 0 && read(pipeFds[0], &code, sizeof code) == sizeof code;
    close(pipeFds[0]);
    int wstatus = 0;
    if (child > 0 && waitpid(child, &wstatus, 0) == child && !execFailed) {
      status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128;
      output = readAll(out);
      errors = readAll(err);
    }
    errno = execFailed ? code : errno;
  }
  for (std::FILE* f : {in, out, err})
    if (f) std::fclose(f);
  return status;
}

// A file name as the preprocessor gives it, as the driver names it.
std::string shownName(const std::string& name, const std::string& mainName, const std::string& folder) {
  if (name == "<stdin>") return mainName;
  if (name.empty() || name[0] == '/' || name[0] == '<') return name;
  return folder + name;
}

// The preprocessor's messages in the driver's form: files named as the
// driver names them, "fatal error:" an error like any other, and no closing
// "compilation terminated.".
void relayErrors(const std::string& errors, const std::string& mainName, const std::string& folder) {
  for (std::string line : splitLines(errors)) {
    if (line == "compilation terminated.") continue;
    size_t fatal = line.find(": fatal error: ");
    if (fatal != std::string::npos) line.replace(fatal, 15, ": error: ");
    size_t colon = line.find(':');
    if (colon != std::string::npos && colon > 0 && line[0] != ' ')
      line = shownName(line.substr(0, colon), mainName, folder) + line.substr(colon);
    std::fprintf(stderr, "%s\n", line.c_str());
  }
}

}  // namespace

bool needsPreprocessor(const Options& o, const std::string& source) {
  if (o.preprocessOnly || !o.preprocessorArgs.empty()) return true;
  for (size_t at = 0; at < source.size();) {
    size_t first = source.find_first_not_of(" \t\r\f\v", at);
    if (first == std::string::npos) return false;
    if (source[first] == '#') return true;
    at = source.find('\n', first);
    if (at == std::string::npos) return false;
    at++;
  }
  return false;
}

std::string protectAsmBlocks(const std::string& source) {
  std::string text;
  AsmFinder finder;
  bool inBlock = false;
  for (const std::string& line : splitLines(source)) {
    size_t first = firstNonBlank(line);
    if (inBlock && first != std::string::npos && line[first] == '}') inBlock = false;
    if (inBlock && !(first != std::string::npos && line[first] == '#'))
      text += kAsmLine + hexOf(line);
    else
      text += line;
    text += '\n';
    if (!inBlock) inBlock = finder.opensBlock(line);
  }
  return text;
}

std::string compilerInput(const std::string& output, const std::string& mainName, const std::string& folder) {
  std::string text, name, restored;
  long number = 0;
  bool pending = false;
  for (const std::string& line : splitLines(output)) {
    if (readMarker(line, number, name)) {
      pending = true;
      continue;
    }
    if (pending) {
      // The compiler's marker names its own line: put it on an empty line
      // just before the one the preprocessor's marker names.
      text += "@" + shownName(name, mainName, folder) + ":" + std::to_string(number - 1) + ":\n";
      pending = false;
    }
    text += restoreAsmLine(line, restored) ? restored : line;
    text += '\n';
  }
  return text;
}

int preprocess(const Options& o, const std::string& source, std::string& text) {
  std::string mainName = o.input == "-" ? "<stdin>" : o.input;
  std::string folder = o.input == "-" ? "" : folderOf(o.input);
  std::vector<std::string> args = arguments(o);
  std::string output, errors;
  int status = runProgram(args, folder, protectAsmBlocks(source), output, errors);
  if (status < 0) {
    driverError("cannot run the C preprocessor '" + args[0] + "': " + std::strerror(errno) +
                " (install one, or name it with --cpp=CMD)");
    return 1;
  }
  relayErrors(errors, mainName, folder);
  if (status != 0) return 1;
  text = compilerInput(output, mainName, folder);
  return 0;
}
