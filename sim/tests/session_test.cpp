// The bench's pieces where a hand-written program reaches cases the
// examples do not: a C line split by calls, code after the last function,
// frequencies and the waveform's identifiers and time axis. The rest runs from the outside in bench_test.py.
#include <gtest/gtest.h>

#include <sstream>

#include "clock.h"
#include "location.h"
#include "ports.h"
#include "session.h"
#include "vcd.h"

namespace tarvelsim {
namespace {

// main calls f twice from line 6; f's prologue has no C line; a routine
// after the last function has none either.
const char* kMarked = R"(
        CALL _main
end:    JUMP end
_f:     LOAD s0,s0
;@ t.c:2
        ADD s1,01
        RETURN
_main:
;@ t.c:5
        LOAD s1,00
;@ t.c:6
        CALL _f
        CALL _f
;@ t.c:7
        ADD s2,01
;@ t.c:6
        ADD s2,02
        RETURN
helper: LOAD s3,03
        RETURN
)";

TEST(CLines, LinesStepsAndBreakpoints) {
  Program prog = assemble(kMarked, "t.psm");
  EXPECT_EQ(cLineName(prog, *prog.slots[4]), "t.c:2");  // f's RETURN ends the line
  EXPECT_EQ(cLineName(prog, *prog.slots[11]), "");      // the routine after the last function
  std::string error;
  EXPECT_EQ(breakAddresses(prog, "t.c:6", error), (std::vector<int>{6, 9}));  // split line
  EXPECT_EQ(breakAddresses(prog, "dir/t.c:3", error), std::vector<int>{}) << "other folder";

  std::ostringstream output;
  ScriptPorts ports(output);
  Machine m(prog, ports);
  RunOptions opts;
  Session s(prog, m, opts);
  auto place = [&] { return where(prog, m.pc) + " depth " + std::to_string(m.callStack.size()); };
  for (int line = 0; line < 3; ++line) s.resume(Mode::Line);  // into f, past its prologue
  EXPECT_EQ(place(), "t.c:2 (t.psm:6) depth 2");
  s.resume(Mode::Finish);  // back at the second call of the same line
  EXPECT_EQ(place(), "t.c:6 (t.psm:13) depth 1");
  s.resume(Mode::Over);
  EXPECT_EQ(place(), "t.c:7 (t.psm:15) depth 1");
  s.breakpoints.push_back({"t.c:6", {6, 9}});
  EXPECT_EQ(s.resume(Mode::Continue).kind, Stop::Break);  // the line's second part
  EXPECT_EQ(s.resume(Mode::Continue).kind, Stop::Ended);
}

TEST(Clock, FrequenciesAndTimes) {
  EXPECT_EQ(parseFrequency("1.5 kHz"), 1500);
  EXPECT_EQ(parseFrequency("32768"), 32768);
  for (const char* bad : {"MHz", "5 MHz x", "1..2Hz", "0Hz", "-1Hz"}) EXPECT_EQ(parseFrequency(bad), 0) << bad;
  EXPECT_EQ(parseTime("1.5", "us", 2e6), 3u);
  EXPECT_THROW(parseTime("3", "us", 0), std::invalid_argument);  // no clock
  EXPECT_THROW(parseTime("3ms", "ms", 1e6), std::invalid_argument);
  EXPECT_EQ(formatTime(350108 * 2, 50e6), "14.0043 ms");
}

TEST(Waveform, IdentifiersStayDistinctAndTimeIsExact) {
  Waveform wave(3e6);  // a period of 333333.33 ps: rounded per cycle, not summed
  for (int p = 0; p < 100; ++p) wave.output(3 * static_cast<uint64_t>(p), static_cast<uint8_t>(p), 1);
  std::ostringstream out;
  wave.write(out, 300);
  std::string text = out.str();
  EXPECT_NE(text.find("$var wire 8 ! port_00 [7:0] $end"), std::string::npos);
  EXPECT_NE(text.find("$var wire 8 !\" port_5E [7:0] $end"), std::string::npos);  // the 95th: two characters
  EXPECT_NE(text.find("bxxxxxxxx !\n"), std::string::npos);
  EXPECT_NE(text.find("\n#1000000\nb00000001 \"\n"), std::string::npos);  // cycle 3 at 3 MHz: 1 us
  EXPECT_NE(text.find("\n#100000000\n"), std::string::npos);             // the end: cycle 300
}

}  // namespace
}  // namespace tarvelsim
