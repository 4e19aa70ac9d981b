// libFuzzer target: one compilation per input, exactly as the command line
// compiler does it (same reader, same large-stack thread), the assembly
// thrown away. A diagnostic ends the compilation through RunEnded, which
// compileUnit() catches, so only real faults stop the fuzzer: sanitizer
// reports, crashes, hangs (-timeout) and the checks below.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver/compile.h"

namespace {

// A stream that throws away everything written to it, so that the target
// does not depend on /dev/null being what it should be.
ssize_t discard(void*, const char*, size_t size) { return ssize_t(size); }

// With TARVEL_FUZZ_DIAG set, the compiler's stderr goes to a memory file
// that must hold nothing after a translation, one whole line after a
// diagnostic, and "Error at operator input" alone after status 2. Run it
// with -close_fd_mask=2: libFuzzer and the sanitizers then report on a copy
// of the real stderr.
struct DiagnosticCheck {
  int memory = memfd_create("tarvel-diagnostics", 0);
  int saved = -1;

  void begin() {
    std::fflush(stderr);
    if (memory < 0 || ftruncate(memory, 0) != 0 || lseek(memory, 0, SEEK_SET) != 0) std::abort();
    saved = dup(2);
    if (saved < 0 || dup2(memory, 2) < 0) std::abort();
  }

  void end(int status) {
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    std::string text(4096, '\0');
    text.resize(size_t(std::max<ssize_t>(0, pread(memory, &text[0], text.size(), 0))));
    size_t newline = text.find('\n');
    bool good = status == 0   ? text.empty()
                : status == 2 ? text == "Error at operator input"
                              : newline != std::string::npos && newline + 1 == text.size();
    if (!good) {
      std::fprintf(stderr, "status %d with this on stderr:\n[%s]\n", status, text.c_str());
      std::abort();
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* dir = std::getenv("TMPDIR");
  static const std::string path =
      std::string(dir && *dir ? dir : "/tmp") + "/tarvel-fuzz-" + std::to_string(getpid()) + ".c";
  static std::FILE* sink = fopencookie(nullptr, "w", {nullptr, discard, nullptr, nullptr});
  static DiagnosticCheck* diagnostics = std::getenv("TARVEL_FUZZ_DIAG") ? new DiagnosticCheck : nullptr;
  std::FILE* source = std::fopen(path.c_str(), "wb");
  if (!sink || !source || (size && std::fwrite(data, 1, size, source) != size) || std::fclose(source) != 0)
    std::abort();

  if (diagnostics) diagnostics->begin();
  int status = runWithLargeStack([] { return compileUnit(path.c_str(), sink); });
  if (diagnostics) diagnostics->end(status);
  // A translation (0), a diagnostic (1) or the operator-input check (2).
  if (status < 0 || status > 2) std::abort();
  // With TARVEL_FUZZ_TWICE set, a second run over the same text must give
  // the same status: every piece of global state is reset between runs.
  if (std::getenv("TARVEL_FUZZ_TWICE") && runWithLargeStack([] { return compileUnit(path.c_str(), sink); }) != status)
    std::abort();
  return 0;
}
