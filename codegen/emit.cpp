// Output stream, label counter and the register-level emit helpers of Node.
#include "codegen/emit.h"

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

// Numbers are written from the last digit backwards into a small buffer.
Output& Output::operator<<(unsigned value) {
  char digits[16];
  char* end = digits + sizeof digits;
  char* start = end;
  do *--start = char('0' + value % 10); while (value /= 10);
  write(start, size_t(end - start));
  return *this;
}

Output& Output::operator<<(int value) {
  if (value < 0) *this << '-';
  return *this << (value < 0 ? 0u - unsigned(value) : unsigned(value));
}

Output& Output::operator<<(Hex2 hex) {
  if (hex.value < 0x100) {  // a byte, nearly every time
    char digits[2] = {"0123456789ABCDEF"[hex.value >> 4], "0123456789ABCDEF"[hex.value & 15]};
    write(digits, 2);
    return *this;
  }
  char digits[16];
  char* end = digits + sizeof digits;
  char* start = end;
  unsigned value = hex.value;
  do *--start = "0123456789ABCDEF"[value & 15]; while (value >>= 4);
  if (end - start < 2) *--start = '0';
  write(start, size_t(end - start));
  return *this;
}

bool Output::flush() {
  drain();
  if (file_ && !failed_ && std::fflush(file_) != 0) failed_ = true;
  return !failed_;
}

int NewLabel() { return lbl++; }
void resetLabels() { lbl = 0; }
void putLabel(int label) { out << Label{label} << ":\n"; }

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
    if (i > 0) out << "        ADD     " << Reg{unsigned(addressReg)} << ",1\n";
    out << "        STORE   " << Reg{unsigned(2 * reg + i)} << ",(" << Reg{unsigned(addressReg)} << ")\n";
  }
  return n;
}

int Node::STOREC(int reg, int type, int addr, int storage) {
  if (storage & TYP_CONST) Chyba("error it is not possible write to a constant !!!", this);
  int n = typeSize(type);
  if (storage & TYP_STATIC) {
    for (int i = 0; i < n; i++)
      out << "        STORE   " << Reg{unsigned(2 * reg + i)} << ',' << Hex2{unsigned(addr + i) & 0xFF} << '\n';
  } else if (storage & TYP_AUTO) {
    for (int i = 0; i < n; i++) {
      if (i == 0) {
        out.puts("        LOAD    sD,sE\n");
        if (addr > 0) out << "        ADD     sD," << Hex2{unsigned(addr)} << '\n';
        else if (addr < 0) out << "        SUB     sD," << Hex2{0u - unsigned(addr)} << '\n';
      } else {
        out.puts("        ADD     sD,01\n");
      }
      out << "        STORE   " << Reg{unsigned(2 * reg + i)} << ",(sD)\n";
    }
  }
  return n;
}

int Node::CAST(int reg, int from, int to) {
  int f = typeSize(from), t = typeSize(to);
  for (int i = f; i < t; i++) {
    unsigned r = unsigned(2 * reg + i);
    if (f == 0 || (from & TYP_UNSIGNED)) {
      out << "        LOAD    " << Reg{r} << ",00\n";
    } else if (i == f) {
      int label = NewLabel();
      out << "        LOAD    " << Reg{r} << ',' << Reg{r - 1} << '\n';
      out << "        AND     " << Reg{r} << ",80\n";
      out << "        JUMP    Z," << Label{label} << '\n';
      out << "        LOAD    " << Reg{r} << ",FF\n";
      putLabel(label);
    } else {
      out << "        LOAD    " << Reg{r} << ',' << Reg{unsigned(2 * reg + f)} << '\n';
    }
  }
  return to;
}

int Node::CONV(int reg, int type, int other) { return CAST(reg, type, commonType(type, other)); }
