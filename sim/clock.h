// Clock cycles and time: the --clock frequency, times in input scripts and
// on the command line, and elapsed time as people read it.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelsim {

// "50MHz", "32768Hz", "1.5 kHz", "1000000": the frequency in Hz, 0 when
// the text is no positive frequency.
double parseFrequency(const std::string& text);

// A point in time as a cycle count: `number` with `unit` "cycles" (or
// "cycle"), "s", "ms", "us" or "ns"; `unit` may also be empty and stuck to
// the number ("2ms"). A time needs clockHz (0: unknown). Throws
// std::invalid_argument with the reason.
uint64_t parseTime(const std::string& number, const std::string& unit, double clockHz);

// The time of `cycles` at clockHz, in a unit that keeps the number
// readable: "6.00428 ms".
std::string formatTime(uint64_t cycles, double clockHz);

// "cycle N" and, with a clock, " (T)": how stops and stamps show a time.
std::string formatCycle(uint64_t cycles, double clockHz);

}  // namespace tarvelsim
