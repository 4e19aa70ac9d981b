// The plain-text image formats, the listing and the image reader.
#include "images.h"

#include <algorithm>

#include "sourcemap.h"
#include "text.h"

namespace assembly {

WordImage wordImage(const Assembly& program) {
  WordImage words{};
  for (const Record& r : program.records) words[r.address] = r.word;
  return words;
}

std::string hexImage(const WordImage& words) {
  std::string out;
  out.reserve(words.size() * 6);
  for (uint32_t w : words) out += hex(w, 5) + "\n";
  return out;
}

std::string memImage(const WordImage& words) { return "@00000000\n" + hexImage(words); }

std::string mifImage(const WordImage& words) {
  std::string out =
      "DEPTH = 1024;\nWIDTH = 18;\nADDRESS_RADIX = HEX;\nDATA_RADIX = HEX;\nCONTENT\nBEGIN\n";
  for (size_t row = 0; row < words.size(); row += 8) {
    out += hex(static_cast<unsigned>(row), 4) + " :";
    for (size_t i = row; i < row + 8; ++i) out += " " + hex(words[i], 5);
    out += ";\n";
  }
  return out + "END;\n";
}

// "AAA WWWWW  source" for a line that makes a word, the source indented to
// the same column otherwise (an empty line stays empty). When the text
// carries the C line comments of -g, a column after the word names the C
// line each word came from.
std::string listing(const Assembly& program) {
  SourceMap cLines = readSourceMap(program);
  size_t cWidth = 0;
  for (const Record& r : program.records)
    cWidth = std::max(cWidth, cLines.name(cLines.at(r.line)).size());
  std::vector<const Record*> byLine(program.lines.size() + 1, nullptr);
  for (const Record& r : program.records) byLine[r.line] = &r;
  std::string out;
  for (size_t i = 0; i < program.lines.size(); ++i) {
    const Record* r = byLine[i + 1];
    const std::string& source = program.lines[i];
    if (r) {
      out += hex(r->address, 3) + " " + hex(r->word, 5) + "  ";
      if (cWidth) {
        std::string c = cLines.name(cLines.at(r->line));
        out += c + std::string(cWidth - c.size() + 2, ' ');
      }
    } else if (!source.empty()) {
      out += std::string(11 + (cWidth ? cWidth + 2 : 0), ' ');
    }
    out += source + "\n";
  }
  return out;
}

namespace {

// Puts one token of an image line at its place.
void readToken(const std::string& tok, int line, uint32_t& addr, WordImage& words,
               LineTable* lines) {
  bool isAddress = tok[0] == '@';
  std::string digits = isAddress ? tok.substr(1) : tok;
  HexNumber n = readHex(digits, isAddress ? kProgramSize - 1 : kWordMask);
  if (n.kind == HexNumber::NotANumber) throw Error(line, "bad image entry '" + tok + "'");
  if (n.kind == HexNumber::TooLarge)
    throw Error(line, std::string(isAddress ? "address" : "word") + " '" + digits +
                          "' is out of range");
  if (isAddress) {
    addr = n.value;
    return;
  }
  if (addr >= static_cast<uint32_t>(kProgramSize))
    throw Error(line, "image holds more than 1024 words");
  if (lines) (*lines)[addr] = line;
  words[addr++] = n.value;
}

}  // namespace

WordImage readImage(const std::string& text, LineTable* lines) {
  WordImage words{};
  if (lines) lines->fill(0);
  uint32_t addr = 0;
  std::vector<std::string> source = splitLines(text);
  for (size_t i = 0; i < source.size(); ++i) {
    std::string line = source[i].substr(0, source[i].find("//"));
    for (const std::string& tok : splitWords(line))
      readToken(tok, static_cast<int>(i) + 1, addr, words, lines);
  }
  return words;
}

}  // namespace assembly
