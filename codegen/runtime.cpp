// Runtime multiply and divide routines, written once each at the end of the
// program when some translation called them.
#include <cstring>
#include <string>

#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "tree/strom.h"

namespace {

// Writes routine text given one item per line: "name:" is a label at column
// 0, "" an empty line, "=text" a line written as it stands, anything else an
// instruction "MNEMONIC operands" laid out in the usual columns.
void emitRoutine(const char* const* lines) {
  for (; *lines; lines++) {
    const char* line = *lines;
    size_t len = std::strlen(line);
    if (len == 0) {
      out.puts("\n");
    } else if (line[0] == '=') {
      out.puts(line + 1);
      out.puts("\n");
    } else if (line[len - 1] == ':') {
      out.puts(line);
      out.puts("\n");
    } else {
      const char* space = std::strchr(line, ' ');
      std::string mnemonic(line, space ? size_t(space - line) : len);
      std::string text = "        " + mnemonic;
      if (space) {
        bool wide = mnemonic == "ADDCY" || mnemonic == "SUBCY";
        text.append(wide ? 4 : (mnemonic.size() < 8 ? 8 - mnemonic.size() : 1), ' ');
        text += space + 1;
      }
      text += "\n";
      out.puts(text.c_str());
    }
  }
}

const char* const kMult16x16[] = {
    "mult16x16:", "LOAD s5,s3", "LOAD s4,s2", "LOAD s3,00", "LOAD s2,00", "LOAD sD,10",
    "mult16x16_l1:", "SL0 s2", "SLA s3", "SLA s4", "SLA s5", "JUMP NC,mult16x16_l2", "ADD s2,s0", "ADDCY s3,s1",
    "mult16x16_l2:", "SUB sD,01", "JUMP NZ,mult16x16_l1", "RETURN", "", nullptr};

const char* const kMult15x15[] = {
    "mult15x15:", "TEST s3,80", "JUMP Z,mult16x15", "TEST s1,80", "JUMP Z,mult15x16", "XOR s2,FF",
    "XOR s3,FF", "ADD s2,01", "ADDCY s3,00", "XOR s0,FF", "XOR s1,FF", "ADD s0,01", "ADDCY s1,00",
    "JUMP mult16x15", nullptr};

const char* const kMult16x15[] = {
    "mult16x15:", "LOAD s5,s1", "LOAD s4,s0", "LOAD s1,s3", "LOAD s0,s2", "LOAD s3,00", "LOAD s2,00",
    "JUMP mult15x16_l3", nullptr};

const char* const kMult15x16[] = {
    "mult15x16:", "LOAD s5,s3", "LOAD s4,s2", "LOAD s3,00", "LOAD s2,00",
    "mult15x16_l3:", "TEST s5,80", "JUMP Z,mult15x16_l0", "XOR s4,FF", "XOR s5,FF", "ADD s4,01", "ADDCY s5,00",
    "LOAD s3,80",
    "mult15x16_l0:", "SL0 s3", "SLA s4", "SLA s5", "LOAD sD,0F",
    "mult15x16_l1:", "SL0 s2", "SLA s3", "SLA s4", "SLA s5", "JUMP NC,mult15x16_l2", "ADD s2,s0", "ADDCY s3,s1",
    "mult15x16_l2:", "SUB sD,01", "JUMP NZ,mult15x16_l1", "AND s3,7F", "TEST s5,80", "RETURN Z", "XOR s2,FF",
    "XOR s3,FF", "ADD s2,01", "ADDCY s3,00", "RETURN", "", nullptr};

const char* const kMult8x8[] = {
    "mult8x8:", "LOAD s1,s2", "LOAD s2,00", "LOAD s3,s0", "LOAD s0,08",
    "mult8x8_l1:", "SL0 s2", "SLA s3", "JUMP NC,mult8x8_l2", "ADD s2,s1", "ADDCY s3,00",
    "mult8x8_l2:", "SUB s0,01", "JUMP NZ,mult8x8_l1", "RETURN", "", nullptr};

const char* const kMult7x7[] = {
    "mult7x7:", "TEST s2,80", "JUMP Z,mult7x8", "TEST s0,80", "JUMP Z,mult8x7", "XOR s2,FF", "ADD s2,01",
    "XOR s0,FF", "ADD s0,01", "JUMP mult7x8", nullptr};

const char* const kMult8x7[] = {
    "mult8x7:", "LOAD s1,s0", "LOAD s3,s2", "LOAD s2,00", "JUMP mult7x8_l0", nullptr};

const char* const kMult7x8[] = {
    "mult7x8:", "LOAD s1,s2", "LOAD s2,00", "LOAD s3,s0",
    "mult7x8_l0:", "TEST s3,80", "JUMP Z,mult7x8_l3", "XOR s3,FF", "ADD s3,01", "LOAD s2,80",
    "mult7x8_l3:", "SL0 s2", "SLA s3", "LOAD s0,07",
    "mult7x8_l1:", "SL0 s2", "SLA s3", "JUMP NC,mult7x8_l2", "ADD s2,s1", "ADDCY s3,00",
    "mult7x8_l2:", "SUB s0,01", "JUMP NZ,mult7x8_l1", "TEST s3,80", "RETURN Z", "AND s3,7F", "XOR s2,FF",
    "XOR s3,FF", "ADD s2,01", "ADDCY s3,00", "RETURN", "", nullptr};

const char* const kDiv8x8[] = {
    "div8x8:", "LOAD s3,00", "=        OR\t\t s0,s0", "RETURN Z", "SL0 s2", "SLA s3", "LOAD s1,07",
    "div8x8_l1:", "COMPARE s3,s0", "JUMP C,div8x8_l2", "SUB s3,s0",
    "div8x8_l2:", "SLA s2", "SLA s3", "SUB s1,01", "JUMP NZ,div8x8_l1", "COMPARE s3,s0", "JUMP C,div8x8_l3",
    "SUB s3,s0",
    "div8x8_l3:", "SLA s2", "XOR s2,FF", "RETURN", "", nullptr};

const char* const kDiv16x16[] = {
    "div16x16:", "LOAD s4,00", "LOAD s5,00", "LOAD sD,s0", "OR sD,s1", "RETURN Z", "SL0 s2", "SLA s3",
    "SLA s4", "SLA s5", "LOAD sD,0F",
    "div16x16_l1:", "COMPARE s5,s1", "JUMP C,div16x16_l2", "JUMP NZ,div16x16_l4", "COMPARE s4,s0",
    "JUMP C,div16x16_l2",
    "div16x16_l4:", "SUB s4,s0", "SUBCY s5,s1",
    "div16x16_l2:", "SLA s2", "SLA s3", "SLA s4", "SLA s5", "SUB sD,01", "JUMP NZ,div16x16_l1",
    "COMPARE s5,s1", "JUMP C,div16x16_l3", "JUMP NZ,div16x16_l5", "COMPARE s4,s0", "JUMP C,div16x16_l3",
    "div16x16_l5:", "SUB s4,s0", "SUBCY s5,s1",
    "div16x16_l3:", "SLA s2", "SLA s3", "XOR s2,FF", "XOR s3,FF", "RETURN", "", nullptr};

}  // namespace

void VlozMakra() {
  if (mult1616) emitRoutine(kMult16x16);
  if (mult1615 || mult1516 || mult1515) {
    if (mult1515) emitRoutine(kMult15x15);
    if (mult1615 || mult1515) emitRoutine(kMult16x15);
    emitRoutine(kMult15x16);
  }
  if (mult88) emitRoutine(kMult8x8);
  if (mult77 || mult78 || mult87) {
    if (mult77) emitRoutine(kMult7x7);
    if (mult87 || mult77) emitRoutine(kMult8x7);
    emitRoutine(kMult7x8);
  }
  if (div88) emitRoutine(kDiv8x8);
  if (div1616) emitRoutine(kDiv16x16);
}

void resetCodeGenerator() {
  mult1616 = mult1515 = mult1615 = mult1516 = mult88 = mult77 = mult87 = mult78 = div88 = div1616 = false;
  resetLabels();
  resetStatementState();
}
