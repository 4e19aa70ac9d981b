// Calls of the run-time multiply and divide routines whose divisor or
// unsigned factor is a known constant become straight-line code: a division
// by a power of two is a shift (and a mask for the remainder), a product
// with a constant is a few shifts and adds. The routines loop 8 to 16 times;
// the replacement computes exactly the bits the routine leaves in its
// result registers, and only where nothing reads the routine's other
// outputs (loop counters, flags, copies of the operands).
#include "opt/passes.h"

namespace opt {
namespace {

int exactLog2(int v) {
  for (int k = 0; k < 16; ++k)
    if (v == 1 << k) return k;
  return -1;
}

class Expansion {
 public:
  explicit Expansion(const Context& ctx) : ctx_(ctx) {}
  std::vector<Line> code;
  RegSet results;  // registers the expansion leaves as the routine does

  void emit(const std::string& op, const std::string& a, const std::string& b = "") {
    code.push_back(makeInstr(op, a, b));
  }
  void label(const std::string& name) {
    Line l;
    l.kind = Line::Label;
    l.text = name;
    code.push_back(l);
  }
  // reg = src & mask, in the fewest instructions.
  void masked(const std::string& reg, const std::string& src, int mask) {
    if (mask == 0) return emit("LOAD", reg, "00");
    emit("LOAD", reg, src);
    if (mask != 0xFF) emit("AND", reg, hexByte(mask));
  }
  void negate(const std::string& lo, const std::string& hi) {
    emit("XOR", lo, "FF");
    emit("XOR", hi, "FF");
    emit("ADD", lo, "01");
    emit("ADDCY", hi, "00");
  }
  // Negates lo:hi when bit 7 of `sign` is set.
  void negateIfNegative(const std::string& sign, const std::string& lo, const std::string& hi) {
    std::string done = ctx_.newLabel();
    emit("TEST", sign, "80");
    emit("JUMP", "Z," + done);
    negate(lo, hi);
    label(done);
  }
  // lo:hi (hi "" for one byte) = lo:hi * c, modulo 2^8 or 2^16, with
  // tlo:thi holding a copy of the factor when c has more than one bit set.
  void multiply(const std::string& lo, const std::string& hi, const std::string& tlo,
                const std::string& thi, int c) {
    if (c == 0) {
      emit("LOAD", lo, "00");
      if (!hi.empty()) emit("LOAD", hi, "00");
      return;
    }
    int top = 15;
    while (!(c >> top & 1)) --top;
    for (int bit = top - 1; bit >= 0; --bit) {
      emit("SL0", lo);
      if (!hi.empty()) emit("SLA", hi);
      if (c >> bit & 1) {
        emit("ADD", lo, tlo);
        if (!hi.empty()) emit("ADDCY", hi, thi);
      }
    }
  }

 private:
  const Context& ctx_;
};

bool manyBits(int c) { return (c & (c - 1)) != 0; }

// Each expander fills `e` for a call whose operand registers hold the
// bytes `s`, or returns false when the operands are not constant enough.
bool divide16(Expansion& e, const RegFacts& s, const RegSet& live) {
  int k = s[0] < 0 || s[1] < 0 ? -1 : exactLog2(s[0] | s[1] << 8);
  if (k < 0 || k > 14) return false;  // the routine is exact for divisors below 8000
  int mask = (1 << k) - 1;
  if (live.test(4) || live.test(5)) {
    e.masked("s4", "s2", mask & 0xFF);
    e.masked("s5", "s3", mask >> 8);
    e.results.set(4).set(5);
  }
  if (k >= 8) {
    e.emit("LOAD", "s2", "s3");
    e.emit("LOAD", "s3", "00");
    for (int i = 8; i < k; ++i) e.emit("SR0", "s2");
  } else {
    for (int i = 0; i < k; ++i) e.emit("SR0", "s3"), e.emit("SRA", "s2");
  }
  e.results.set(2).set(3);
  return true;
}

bool divide8(Expansion& e, const RegFacts& s, const RegSet& live) {
  int k = s[0] < 0 ? -1 : exactLog2(s[0]);
  if (k < 0 || k > 6) return false;  // exact for divisors below 80
  if (live.test(3)) e.masked("s3", "s2", (1 << k) - 1);
  for (int i = 0; i < k; ++i) e.emit("SR0", "s2");
  e.results.set(2).set(3);
  return true;
}

// Unsigned 8 x 8 -> 16 bits: s3:s2 = s2 * s0.
bool multiply8(Expansion& e, const RegFacts& s, const RegSet& live) {
  int c = s[0] >= 0 ? s[0] : s[2];
  if (c < 0) return false;
  std::string hi = live.test(3) ? "s3" : "";
  std::string temp = "s1";
  if (s[0] >= 0) {
    if (manyBits(c)) e.emit("LOAD", "s1", "s2");
  } else {
    e.emit("LOAD", "s2", "s0");  // the factor stays in s0 as the copy
    temp = "s0";
  }
  if (!hi.empty()) e.emit("LOAD", "s3", "00");
  e.multiply("s2", hi, temp, "00", c);
  e.results.set(2).set(3);
  return true;
}

// Unsigned 16 x 16 -> 16 bits: s3:s2 = s3:s2 * s1:s0.
bool multiply16(Expansion& e, const RegFacts& s, const RegSet&) {
  bool right = s[0] >= 0 && s[1] >= 0;
  if (!right && (s[2] < 0 || s[3] < 0)) return false;
  if (right) {
    int c = s[0] | s[1] << 8;
    if (manyBits(c)) e.emit("LOAD", "s4", "s2"), e.emit("LOAD", "s5", "s3");
    e.multiply("s2", "s3", "s4", "s5", c);
  } else {
    e.emit("LOAD", "s2", "s0");
    e.emit("LOAD", "s3", "s1");
    e.multiply("s2", "s3", "s0", "s1", s[2] | s[3] << 8);
  }
  e.results.set(2).set(3);
  return true;
}

// Signed by unsigned, 15-bit magnitude: the routine multiplies the signed
// factor's magnitude, keeps 15 bits and gives the product the factor's sign.
// `signedHi` holds the signed factor's high byte until the end.
void signedProduct(Expansion& e, const std::string& signedHi, int c) {
  e.negateIfNegative("s3", "s2", "s3");
  if (manyBits(c)) e.emit("LOAD", "s4", "s2"), e.emit("LOAD", "s5", "s3");
  e.multiply("s2", "s3", "s4", "s5", c);
  e.emit("AND", "s3", "7F");
  e.negateIfNegative(signedHi, "s2", "s3");
  e.results.set(2).set(3);
}

// mult16x15: signed s1:s0 times unsigned s3:s2.
bool multiplySigned16x15(Expansion& e, const RegFacts& s, const RegSet&) {
  if (s[2] < 0 || s[3] < 0) return false;
  e.emit("LOAD", "s2", "s0");
  e.emit("LOAD", "s3", "s1");
  signedProduct(e, "s1", s[2] | s[3] << 8);
  return true;
}

// mult15x16: signed s3:s2 times unsigned s1:s0.
bool multiplySigned15x16(Expansion& e, const RegFacts& s, const RegSet&) {
  if (s[0] < 0 || s[1] < 0) return false;
  e.emit("LOAD", "sD", "s3");
  signedProduct(e, "sD", s[0] | s[1] << 8);
  return true;
}

using Expander = bool (*)(Expansion&, const RegFacts&, const RegSet&);

Expander expanderFor(const std::string& routine) {
  if (routine == "div16x16") return divide16;
  if (routine == "div8x8") return divide8;
  if (routine == "mult8x8") return multiply8;
  if (routine == "mult16x16") return multiply16;
  if (routine == "mult16x15") return multiplySigned16x15;
  if (routine == "mult15x16") return multiplySigned15x16;
  return nullptr;
}

}  // namespace

bool expandRoutineCalls(std::vector<Line>& lines, const Context& ctx) {
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return false;
  auto known = knownBytes(lines, succ, ctx);
  std::vector<RegSet> after = liveAfter(lines, succ, ctx);
  std::vector<Line> out;
  bool changed = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    Expander expand = l.kind == Line::Instr && l.op == "CALL" && l.cond.empty() && known[i]
                          ? expanderFor(l.a)
                          : nullptr;
    Expansion e(ctx);
    if (expand && expand(e, *known[i], after[i])) {
      // The expansion may only write what the routine writes, and whatever
      // else the routine leaves behind must be dead.
      const Callee& routine = ctx.callee(l.a);
      RegSet written;
      for (const Line& x : e.code) written |= effectsOf(x).def;
      RegSet unreproduced = routine.clobber & ~e.results;
      if ((written & ~routine.clobber).none() && (after[i] & unreproduced).none()) {
        out.insert(out.end(), e.code.begin(), e.code.end());
        changed = true;
        continue;
      }
    }
    out.push_back(l);
  }
  lines.swap(out);
  return changed;
}

}  // namespace opt
