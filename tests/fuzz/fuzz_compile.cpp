// libFuzzer target: one compilation per input.
//
// The input is written to a scratch file and compiled exactly as the command
// line compiler does it (same reader, same large-stack thread), with the
// assembly thrown away.  Any diagnostic ends the compilation through
// RunEnded, which compileUnit() catches, so only real faults stop the fuzzer:
// sanitizer reports, crashes, hangs (-timeout) and the checks below.
#include <stdio.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

#include "driver/compile.h"

namespace {

// A stream that throws away everything written to it, so that the target
// does not depend on /dev/null being what it should be.
ssize_t discard(void*, const char*, size_t size) { return ssize_t(size); }

std::FILE* discardStream() {
  cookie_io_functions_t io = {nullptr, discard, nullptr, nullptr};
  return fopencookie(nullptr, "w", io);
}

std::string scratchPath() {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir && *dir ? dir : "/tmp") + "/tarvel-fuzz-" + std::to_string(getpid()) + ".c";
}

// With TARVEL_FUZZ_DIAG set, the compiler's stderr goes to a memory file
// and is checked after every run: nothing after a translation, one whole
// line after a diagnostic, "Error at operator input" alone after status 2.
// Run it with -close_fd_mask=2: libFuzzer and the sanitizers then report
// on a copy of the real stderr, not on descriptor 2.
class DiagnosticCheck {
 public:
  DiagnosticCheck() : memory_(memfd_create("tarvel-diagnostics", 0)) {
    if (memory_ < 0) std::abort();
  }

  void begin() {
    std::fflush(stderr);
    if (ftruncate(memory_, 0) != 0 || lseek(memory_, 0, SEEK_SET) != 0) std::abort();
    saved_ = dup(2);
    if (saved_ < 0 || dup2(memory_, 2) < 0) std::abort();
  }

  void end(int status) {
    std::fflush(stderr);
    dup2(saved_, 2);
    close(saved_);
    std::string text;
    char buffer[4096];
    ssize_t got;
    lseek(memory_, 0, SEEK_SET);
    while ((got = read(memory_, buffer, sizeof buffer)) > 0) text.append(buffer, size_t(got));
    size_t newline = text.find('\n');
    bool good = status == 0   ? text.empty()
                : status == 2 ? text == "Error at operator input"
                              : newline != std::string::npos && newline + 1 == text.size();
    if (!good) {
      std::fprintf(stderr, "status %d with this on stderr:\n[%s]\n", status, text.c_str());
      std::abort();
    }
  }

 private:
  int memory_;
  int saved_ = -1;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = scratchPath();
  static std::FILE* sink = discardStream();
  if (!sink) std::abort();

  std::FILE* source = std::fopen(path.c_str(), "wb");
  if (!source) std::abort();
  if (size && std::fwrite(data, 1, size, source) != size) std::abort();
  if (std::fclose(source) != 0) std::abort();

  static DiagnosticCheck* diagnostics = std::getenv("TARVEL_FUZZ_DIAG") ? new DiagnosticCheck : nullptr;
  if (diagnostics) diagnostics->begin();
  int status = runWithLargeStack([] { return compileUnit(path.c_str(), sink); });
  if (diagnostics) diagnostics->end(status);
  // A run ends in a translation (0), a diagnostic (1) or the operator-input
  // check (2); anything else means the run ended some other way.
  if (status < 0 || status > 2) std::abort();

  // A second run over the same text must give the same status: every piece
  // of global state is reset between compilations.
  if (std::getenv("TARVEL_FUZZ_TWICE")) {
    int again = runWithLargeStack([] { return compileUnit(path.c_str(), sink); });
    if (again != status) std::abort();
  }
  return 0;
}
