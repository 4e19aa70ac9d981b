// The output stream and the label counter.
//
// All assembly text goes through one buffered writer.  It never holds more
// than its buffer, and a failed write ends the run with one diagnostic, so
// that a full disk can never pass for a successful compilation.
//
// Lines are put together from typed pieces, `out << "        LOAD    " <<
// Reg{r} << ',' << Hex2{v} << '\n'`, rather than from format strings: the
// output is many times the size of the source, and scanning a format at run
// time once cost a third of the compilation.  A literal's length is known
// when compiling, so each piece is a fixed-size copy.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

// Pieces of a line besides text, characters and decimal numbers (int and
// unsigned are written in decimal).
struct Hex2 {  // upper-case hexadecimal, at least two digits: "0A", "FF", "12C"
  unsigned value;
};
struct Reg {  // a register name: "s" and one hexadecimal digit
  unsigned number;
};
struct Label {  // a label's name: "label_" and its number
  int number;
};

class Output {
 public:
  Output();
  ~Output();
  // Sends the text to `file` (the driver uses stdout).
  void toFile(std::FILE* file);
  // Collects the text in `sink` instead (unit tests).
  void toString(std::string* sink);

  void write(const char* text, size_t n) {
    if (used_ + n <= kBufferSize) {
      std::memcpy(buffer_ + used_, text, n);
      used_ += n;
    } else {
      writeLarge(text, n);
    }
  }
  // Inline, so that the length of a literal is known when compiling.
  void puts(const char* text) { write(text, std::strlen(text)); }

  Output& operator<<(std::string_view text) {
    write(text.data(), text.size());
    return *this;
  }
  Output& operator<<(char c) {
    if (used_ < kBufferSize) buffer_[used_++] = c;
    else writeLarge(&c, 1);
    return *this;
  }
  Output& operator<<(int value);
  Output& operator<<(unsigned value);
  Output& operator<<(Hex2 hex);
  Output& operator<<(Reg reg) { return *this << 's' << "0123456789ABCDEF"[reg.number & 15]; }
  Output& operator<<(Label label) { return *this << "label_" << label.number; }
  // Writes out what is buffered; false when the write failed.
  bool flush();

 private:
  static constexpr size_t kBufferSize = 1 << 16;
  void drain();
  void writeLarge(const char* text, size_t n);

  std::FILE* file_ = nullptr;
  std::string* sink_ = nullptr;
  char* buffer_;
  size_t used_ = 0;
  bool failed_ = false;
};

extern Output out;

// Labels are numbers; they are written as "label_%d".
int NewLabel();
void resetLabels();
void putLabel(int label);  // the label definition line "label_N:"
