// The driver's messages: placed lines, the source line with a caret, and
// the notes that explain constructs the language does not have.
#include "driver/messages.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

#include "front/lexan.h"
#include "front/vstup.h"

namespace {

constexpr size_t kReaderLine = 511;  // the reader takes at most this many bytes as one line

// A source text split into lines the way the compiler's reader counts
// them: at each line break, and after 511 bytes of a longer line.
struct SourceLines {
  std::string owned;
  const std::string* text = nullptr;
  std::vector<size_t> starts;

  void index() {
    const std::string& t = *text;
    for (size_t at = 0; at < t.size();) {
      starts.push_back(at);
      size_t end = t.find('\n', at);
      size_t limit = at + kReaderLine;
      at = end == std::string::npos || end >= limit ? std::min(limit, t.size()) : end + 1;
    }
  }

  // Line `n` (1-based) without its line break; false when there is none.
  bool line(int n, std::string& out) const {
    if (n < 1 || size_t(n) > starts.size()) return false;
    size_t begin = starts[n - 1];
    size_t end = size_t(n) < starts.size() ? starts[n] : text->size();
    out.assign(*text, begin, end - begin);
    out.resize(std::strlen(out.c_str()));  // a zero byte ends the reader's line
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return true;
  }
};

std::string mainName;
const std::string* mainText = nullptr;
std::map<std::string, std::unique_ptr<SourceLines>> sources;  // by file name; null: unreadable

const SourceLines* linesOf(const std::string& file) {
  auto found = sources.find(file);
  if (found != sources.end()) return found->second.get();
  std::unique_ptr<SourceLines> lines(new SourceLines);
  if (file == mainName && mainText) {
    lines->text = mainText;
  } else {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    if (file.empty() || !in || !(all << in.rdbuf())) lines.reset();
    else {
      lines->owned = all.str();
      lines->text = &lines->owned;
    }
  }
  if (lines) lines->index();
  return (sources[file] = std::move(lines)).get();
}

// The source line and a caret under `column`; tabs before the column are
// repeated so that the caret lines up however tabs are shown.
void printSourceLine(const SourcePos& at) {
  const SourceLines* lines = linesOf(at.file());
  std::string text;
  if (!lines || !lines->line(at.line, text)) return;
  std::string caret;
  for (int i = 0; i + 1 < at.column; i++) caret += size_t(i) < text.size() && text[i] == '\t' ? '\t' : ' ';
  std::fprintf(stderr, "%s\n%s^\n", text.c_str(), caret.c_str());
}

const char* const kNoFloat = "there is no floating point: use int in fixed point (for example hundredths)";

// A note for the common constructs from other C compilers that the
// language does not have, judged by the message and the token the parser
// stopped at; null when none applies.
const char* hintFor(const char* message) {
  if (std::strncmp(message, "unsupported character \"", 23) == 0)
    return "there are no strings: use character constants ('A') and char arrays filled in code";
  if (std::strstr(message, "character")) return nullptr;  // other errors inside a token
  const char* line = currentLineText();
  bool inLine = tokenColumn >= 1 && std::strlen(line) >= size_t(tokenColumn);
  const char* token = inLine ? line + tokenColumn - 1 : "";
  if (Symb == DOT && inLine && token > line && token[-1] >= '0' && token[-1] <= '9') return kNoFloat;  // 1.5
  switch (Symb) {
    case STRUCT: case UNION: case DOT: case ARROW:
      return "there are no structures or unions: use a separate variable or array for each field";
    case SIZEOF:
      return "there is no sizeof: write the size as a number (char and pointers 1 byte, short and int 2)";
    case GOTO:
      return "there is no goto: use a loop with break or continue, or a flag variable";
    case QUEST:
      return "there is no conditional operator '?:': use if and else, assigning in each branch";
    case FLOAT: case DOUBLE:
      return kNoFloat;
    case VOLATILE:
      return "there is no volatile, and none is needed: every access goes to memory; drop the word";
    default:
      break;
  }
  // "= {" either way round: the parser stops at the '=' of an array, or at
  // the brace after the '=' of a variable.
  if (!inLine) return nullptr;
  const char* after = token + 1;
  while (*after == ' ' || *after == '\t') after++;
  const char* before = token;
  while (before > line && (before[-1] == ' ' || before[-1] == '\t')) before--;
  if ((Symb == ASSIGN && *after == '{') || (Symb == LBRACE && before > line && before[-1] == '='))
    return "there are no initializer lists: assign the elements one by one in code";
  return nullptr;
}

void reportCompilerDiagnostic(const Diagnostic& d) {
  if (!d.file) {
    driverError(d.message);
    return;
  }
  SourcePos at{d.line, d.file, d.column};
  sourceMessage(at, "error", d.message);
  const char* hint = d.atReader ? hintFor(d.message) : nullptr;
  if (hint) std::fprintf(stderr, "%s:%d:%d: note: %s\n", d.file, d.line, d.column, hint);
}

}  // namespace

void driverError(const std::string& text) { std::fprintf(stderr, "tarvel: error: %s\n", text.c_str()); }

void placedMessage(const std::string& file, int line, const char* kind, const std::string& text) {
  if (line > 0)
    std::fprintf(stderr, "%s:%d: %s: %s\n", file.c_str(), line, kind, text.c_str());
  else
    std::fprintf(stderr, "%s: %s: %s\n", file.c_str(), kind, text.c_str());
}

void sourceMessage(const SourcePos& at, const char* kind, const std::string& text) {
  if (at.line <= 0 || at.column <= 0) {
    placedMessage(at.file(), at.line, kind, text);
    return;
  }
  std::fprintf(stderr, "%s:%d:%d: %s: %s\n", at.file(), at.line, int(at.column), kind, text.c_str());
  printSourceLine(at);
}

void setMainSource(const std::string& name, const std::string* text) {
  mainName = name;
  mainText = text;
  sources.clear();
}

void printFinding(const Finding& finding, bool asError) {
  std::string name = warningName(finding.kind);
  sourceMessage(finding.at, asError ? "error" : "warning",
                finding.text + (asError ? " [-Werror=" : " [-W") + name + "]");
}

void useDriverMessages() { setReporter(reportCompilerDiagnostic); }
