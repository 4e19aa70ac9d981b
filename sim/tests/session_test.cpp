// The bench's pieces on hand-written programs: which words belong to which
// C line, stepping and breakpoints by C line, clock and time text, timed
// input and the waveform's identifiers and time axis.
#include <gtest/gtest.h>

#include <sstream>

#include "asm/images.h"
#include "clock.h"
#include "location.h"
#include "run_helper.h"
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

std::string placeOf(const Sim& sim) {
  return where(sim.prog, sim.m.pc) + " depth " + std::to_string(sim.m.callStack.size());
}

TEST(CLines, WordsBelongToTheirLineUntilTheFunctionEnds) {
  Sim sim(kMarked);
  auto cLine = [&](int addr) { return sim.prog.slots[addr] ? cLineName(sim.prog, *sim.prog.slots[addr]) : "-"; };
  EXPECT_EQ(cLine(0), "");      // start-up code
  EXPECT_EQ(cLine(2), "");      // prologue of f
  EXPECT_EQ(cLine(3), "t.c:2");
  EXPECT_EQ(cLine(4), "t.c:2");  // f's RETURN ends the line
  EXPECT_EQ(cLine(5), "t.c:5");
  EXPECT_EQ(cLine(9), "t.c:6");
  EXPECT_EQ(cLine(11), "");     // the routine after the last function
  std::string listing = assembly::listing(assembly::assemble(kMarked));
  EXPECT_NE(listing.find("003 18101  t.c:2  "), std::string::npos) << listing;
  EXPECT_NE(listing.find("000 30005         "), std::string::npos) << listing;
}

TEST(CLines, StepNextFinishAndBreakpoints) {
  Sim sim(kMarked);
  RunOptions opts;
  Session s(sim.prog, sim.m, opts);
  EXPECT_EQ(s.resume(Mode::Line).kind, Stop::Stepped);
  EXPECT_EQ(placeOf(sim), "t.c:5 (t.psm:10) depth 1");
  s.resume(Mode::Line);
  EXPECT_EQ(placeOf(sim), "t.c:6 (t.psm:12) depth 1");
  s.resume(Mode::Line);  // into f, past its prologue
  EXPECT_EQ(placeOf(sim), "t.c:2 (t.psm:6) depth 2");
  s.resume(Mode::Finish);  // back at the second call of the same line
  EXPECT_EQ(placeOf(sim), "t.c:6 (t.psm:13) depth 1");
  s.resume(Mode::Over);  // over the second call
  EXPECT_EQ(placeOf(sim), "t.c:7 (t.psm:15) depth 1");

  std::string error;
  EXPECT_EQ(breakAddresses(sim.prog, "t.c:6", error), (std::vector<int>{6, 9}));  // split line
  EXPECT_EQ(breakAddresses(sim.prog, "dir/t.c:3", error), std::vector<int>{}) << "other folder";
  EXPECT_EQ(breakAddresses(sim.prog, "t.c:3", error), std::vector<int>{5});  // next line with code
  EXPECT_EQ(breakAddresses(sim.prog, "f", error), std::vector<int>{3});      // after the prologue
  EXPECT_EQ(breakAddresses(sim.prog, "_f", error), std::vector<int>{2});
  EXPECT_EQ(functionAt(sim.prog, 4), "f");

  Sim again(kMarked);
  Session b(again.prog, again.m, opts);
  b.breakpoints.push_back({"f", {3}});
  EXPECT_EQ(b.resume(Mode::Continue).kind, Stop::Break);
  EXPECT_EQ(b.resume(Mode::Continue).kind, Stop::Break);  // the second call, not the same stop
  EXPECT_EQ(again.m.regs[1], 1);
  Stop end = b.resume(Mode::Continue);
  EXPECT_EQ(end.kind, Stop::Ended);
  EXPECT_EQ(end.status, Status::End);
}

TEST(Clock, FrequenciesTimesAndTheirText) {
  EXPECT_EQ(parseFrequency("50MHz"), 50e6);
  EXPECT_EQ(parseFrequency("1.5 kHz"), 1500);
  EXPECT_EQ(parseFrequency("32768"), 32768);
  for (const char* bad : {"MHz", "5 MHz x", "1..2Hz", "0Hz", "-1Hz"}) EXPECT_EQ(parseFrequency(bad), 0) << bad;
  EXPECT_EQ(parseTime("2ms", "", 1e6), 2000u);
  EXPECT_EQ(parseTime("1000", "cycles", 0), 1000u);
  EXPECT_EQ(parseTime("1.5", "us", 2e6), 3u);
  EXPECT_THROW(parseTime("3", "us", 0), std::invalid_argument);   // no clock
  EXPECT_THROW(parseTime("3ms", "ms", 1e6), std::invalid_argument);
  EXPECT_EQ(formatTime(1000, 50e6), "20 us");
  EXPECT_EQ(formatTime(350108 * 2, 50e6), "14.0043 ms");
  EXPECT_EQ(formatCycle(7, 0), "cycle 7");
}

TEST(Ports, TimedValuesAreHeldInTimeOrder) {
  std::ostringstream out;
  ScriptPorts ports(out);
  ports.loadScript("at 30 cycles port 01 = 03\n01 AA\nat 10 cycles port 01 = 01\n"
                   "at 30 cycles port 01 = 04  ; the later line wins\n");
  int missing = 0;
  ports.onMissing = [&](uint8_t) { ++missing; };
  auto at = [&](uint64_t c) { ports.cycle = c; return ports.input(1); };
  EXPECT_EQ(at(0), 0xAA);  // the plain value first, whatever the cycle
  EXPECT_EQ(at(5), 0x00);
  EXPECT_EQ(at(9), 0x00);
  EXPECT_EQ(missing, 1);   // reported once
  EXPECT_EQ(at(10), 0x01);
  EXPECT_EQ(at(29), 0x01);
  EXPECT_EQ(at(1000), 0x04);
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
