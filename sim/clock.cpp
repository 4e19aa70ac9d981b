#include "clock.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace tarvelsim {
namespace {

// A non-negative decimal number with an optional fraction, and the rest of
// the text after it.
bool splitNumber(const std::string& text, double& value, std::string& rest) {
  size_t i = 0;
  while (i < text.size() && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) ++i;
  std::string digits = text.substr(0, i);
  if (digits.empty() || digits == "." || digits.find('.') != digits.rfind('.')) return false;
  value = std::strtod(digits.c_str(), nullptr);
  rest = text.substr(i);
  while (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
  return true;
}

}  // namespace

double parseFrequency(const std::string& text) {
  double value = 0;
  std::string unit;
  if (!splitNumber(text, value, unit)) return 0;
  double scale = 0;
  if (unit.empty() || unit == "Hz" || unit == "hz") scale = 1;
  else if (unit == "kHz" || unit == "khz" || unit == "KHz") scale = 1e3;
  else if (unit == "MHz" || unit == "mhz") scale = 1e6;
  else if (unit == "GHz" || unit == "ghz") scale = 1e9;
  double hz = value * scale;
  return std::isfinite(hz) && hz > 0 ? hz : 0;
}

uint64_t parseTime(const std::string& number, const std::string& unit, double clockHz) {
  double value = 0;
  std::string stuck;
  if (!splitNumber(number, value, stuck) || (!stuck.empty() && !unit.empty()))
    throw std::invalid_argument("expected a time such as '1000 cycles' or '2ms'");
  std::string u = unit.empty() ? stuck : unit;
  if (u == "cycles" || u == "cycle") {
    if (number.find('.') != std::string::npos)
      throw std::invalid_argument("a cycle count is a whole number");
    if (value > 1e18) throw std::invalid_argument("the time is too far away");
    return static_cast<uint64_t>(value);
  }
  double seconds = u == "s" ? 1 : u == "ms" ? 1e-3 : u == "us" ? 1e-6 : u == "ns" ? 1e-9 : 0;
  if (seconds == 0) throw std::invalid_argument("unknown time unit '" + u + "' (cycles, s, ms, us, ns)");
  if (clockHz <= 0) throw std::invalid_argument("a time in " + u + " needs the clock frequency (--clock)");
  double cycles = std::round(value * seconds * clockHz);
  if (!(cycles <= 1e18)) throw std::invalid_argument("the time is too far away");
  return static_cast<uint64_t>(cycles);
}

std::string formatTime(uint64_t cycles, double clockHz) {
  double t = static_cast<double>(cycles) / clockHz;
  const char* unit = "s";
  if (t != 0 && t < 1e-6) t *= 1e9, unit = "ns";
  else if (t != 0 && t < 1e-3) t *= 1e6, unit = "us";
  else if (t != 0 && t < 1) t *= 1e3, unit = "ms";
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.6g %s", t, unit);
  return buf;
}

std::string formatCycle(uint64_t cycles, double clockHz) {
  std::string text = "cycle " + std::to_string(cycles);
  if (clockHz > 0) text += " (" + formatTime(cycles, clockHz) + ")";
  return text;
}

}  // namespace tarvelsim
