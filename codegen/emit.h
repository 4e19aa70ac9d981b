// The output stream and the label counter.
//
// All assembly text goes through one buffered writer.  It never holds more
// than its buffer, and a failed write ends the run with one diagnostic, so
// that a full disk can never pass for a successful compilation.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

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
  void printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Writes out what is buffered; false when the write failed.
  bool flush();

 private:
  static constexpr size_t kBufferSize = 1 << 20;
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
