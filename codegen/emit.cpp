// Output stream, label counter and the register-level emit helpers of Node.
#include "codegen/emit.h"

#include <cstdarg>
#include <cstring>

#include "diag/diagnostics.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {
int lbl = 0;
}  // namespace

Output out;

Output::Output() : buffer_(new char[kBufferSize]) {}
Output::~Output() { delete[] buffer_; }

void Output::toFile(std::FILE* file) {
  file_ = file;
  sink_ = nullptr;
  used_ = 0;
  failed_ = false;
}

void Output::toString(std::string* sink) {
  file_ = nullptr;
  sink_ = sink;
  used_ = 0;
  failed_ = false;
}

void Output::drain() {
  if (used_ == 0) return;
  if (sink_) {
    sink_->append(buffer_, used_);
  } else if (file_ && !failed_) {
    if (std::fwrite(buffer_, 1, used_, file_) != used_) failed_ = true;
  }
  used_ = 0;
}

void Output::writeLarge(const char* text, size_t n) {
  drain();
  if (failed_) Chyba("cannot write the output");
  if (n <= kBufferSize) {
    std::memcpy(buffer_, text, n);
    used_ = n;
  } else if (sink_) {
    sink_->append(text, n);
  } else if (file_ && std::fwrite(text, 1, n, file_) != n) {
    Chyba("cannot write the output");
  }
}

// A small formatter for the conversions the code generator uses (%s %c %d
// %u %X with an optional zero flag and width).  It writes straight into the
// buffer: formatting through the C library dominated the run time.
void Output::printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const char* run = format;
  const char* p = format;
  for (; *p; p++) {
    if (*p != '%') continue;
    write(run, size_t(p - run));
    bool zeros = *++p == '0';
    if (zeros) p++;
    int width = 0;
    while (*p >= '0' && *p <= '9') width = width * 10 + (*p++ - '0');
    char digits[16];
    char* end = digits + sizeof digits;
    char* start = end;
    bool negative = false;
    switch (*p) {
      case 's': {
        const char* text = va_arg(args, const char*);
        size_t n = std::strlen(text);
        for (size_t i = n; i < size_t(width); i++) write(" ", 1);
        write(text, n);
        run = p + 1;
        continue;
      }
      case 'c':
        digits[0] = char(va_arg(args, int));
        start = digits;
        end = digits + 1;
        break;
      case 'd': {
        int v = va_arg(args, int);
        negative = v < 0;
        unsigned u = negative ? 0u - unsigned(v) : unsigned(v);
        do *--start = char('0' + u % 10); while (u /= 10);
        break;
      }
      case 'u': {
        unsigned u = va_arg(args, unsigned);
        do *--start = char('0' + u % 10); while (u /= 10);
        break;
      }
      default: {  // 'X'
        unsigned u = va_arg(args, unsigned);
        do *--start = "0123456789ABCDEF"[u & 15]; while (u >>= 4);
        break;
      }
    }
    int length = int(end - start) + negative;
    if (!zeros)
      for (int i = length; i < width; i++) write(" ", 1);
    if (negative) write("-", 1);
    if (zeros)
      for (int i = length; i < width; i++) write("0", 1);
    write(start, size_t(end - start));
    run = p + 1;
  }
  write(run, size_t(p - run));
  va_end(args);
}

bool Output::flush() {
  drain();
  if (file_ && !failed_ && std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

int NewLabel() { return lbl++; }
void resetLabels() { lbl = 0; }
void putLabel(int label) { out.printf("label_%d:\n", label); }

// ---- register-level helpers of Node ----

void Node::PUSH(int n) {
  if (n <= 0) return;
  if (n == 1) {
    out.puts("        SUB     sF,01\n        STORE   s2,(sF)\n");
    return;
  }
  out.puts("        SUB     sF,01\n        STORE   s3,(sF)\n        SUB     sF,01\n        STORE   s2,(sF)\n");
}

void Node::POP(int n) {
  if (n <= 0) return;
  out.puts("        FETCH   s0,(sF)\n        ADD     sF,01\n");
  if (n >= 2) out.puts("        FETCH   s1,(sF)\n        ADD     sF,01\n");
}

int Node::STORE(int reg, int type) {
  int addressReg = 2 * (1 - reg);
  int n = typeSize(type);
  for (int i = 0; i < n; i++) {
    if (i > 0) out.printf("        ADD     s%1X,1\n", unsigned(addressReg));
    out.printf("        STORE   s%1X,(s%1X)\n", unsigned(2 * reg + i), unsigned(addressReg));
  }
  return n;
}

int Node::STOREC(int reg, int type, int addr, int storage) {
  if (storage & TYP_CONST) Chyba("error it is not possible write to a constant !!!", this);
  int n = typeSize(type);
  if (storage & TYP_STATIC) {
    for (int i = 0; i < n; i++)
      out.printf("        STORE   s%1X,%02X\n", unsigned(2 * reg + i), unsigned(addr + i) & 0xFF);
  } else if (storage & TYP_AUTO) {
    for (int i = 0; i < n; i++) {
      if (i == 0) {
        out.puts("        LOAD    sD,sE\n");
        if (addr > 0) out.printf("        ADD     sD,%02X\n", unsigned(addr));
        else if (addr < 0) out.printf("        SUB     sD,%02X\n", unsigned(-addr));
      } else {
        out.puts("        ADD     sD,01\n");
      }
      out.printf("        STORE   s%1X,(sD)\n", unsigned(2 * reg + i));
    }
  }
  return n;
}

int Node::CAST(int reg, int from, int to) {
  int f = typeSize(from), t = typeSize(to);
  for (int i = f; i < t; i++) {
    unsigned r = unsigned(2 * reg + i);
    if (f == 0 || (from & TYP_UNSIGNED)) {
      out.printf("        LOAD    s%1X,00\n", r);
    } else if (i == f) {
      int label = NewLabel();
      out.printf("        LOAD    s%1X,s%1X\n", r, r - 1);
      out.printf("        AND     s%1X,80\n", r);
      out.printf("        JUMP    Z,label_%d\n", label);
      out.printf("        LOAD    s%1X,FF\n", r);
      putLabel(label);
    } else {
      out.printf("        LOAD    s%1X,s%1X\n", r, unsigned(2 * reg + f));
    }
  }
  return to;
}

int Node::CONV(int reg, int type, int other) { return CAST(reg, type, commonType(type, other)); }
