#include "text.h"

#include <cctype>
#include <cstdio>
#include <sstream>

namespace assembly {

std::string trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else if (c != '\r') {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  return lines;
}

std::vector<std::string> splitWords(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  std::string w;
  while (in >> w) words.push_back(w);
  return words;
}

// Stops accumulating as soon as the value passes the limit, so that no
// number of digits can overflow; the remaining characters are still checked
// to tell a too-large number from a word that is not a number at all.
HexNumber readHex(const std::string& s, uint32_t maxValue) {
  HexNumber n;
  if (s.empty()) return n;
  bool tooLarge = false;
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (!std::isxdigit(u)) return n;
    uint32_t digit = std::isdigit(u) ? u - '0' : std::toupper(u) - 'A' + 10;
    if (!tooLarge && (digit > maxValue || n.value > (maxValue - digit) / 16)) tooLarge = true;
    if (!tooLarge) n.value = n.value * 16 + digit;
  }
  n.kind = tooLarge ? HexNumber::TooLarge : HexNumber::Ok;
  return n;
}

std::optional<int> parseHex(const std::string& s, int maxValue) {
  HexNumber n = readHex(s, static_cast<uint32_t>(maxValue));
  if (n.kind != HexNumber::Ok) return std::nullopt;
  return static_cast<int>(n.value);
}

bool isIdentifier(const std::string& s) {
  if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
  for (char c : s)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
  return true;
}

std::string hex(unsigned value, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%0*X", digits, value);
  return buf;
}

}  // namespace assembly
