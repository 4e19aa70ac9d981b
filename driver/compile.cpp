// The order of one run: read, parse, optimize, translate.
#include "driver/compile.h"

#include <pthread.h>

#include <cstdio>
#include <new>

#include "codegen/codegen.h"
#include "codegen/emit.h"
#include "front/lexan.h"
#include "front/parser.h"
#include "front/vstup.h"
#include "symbols/tabsym.h"
#include "tree/strom.h"

namespace {

// Every piece of global state starts afresh, so that one process can run
// many compilations (the fuzz harness does).
void resetAll() {
  freeAllNodes();
  freeSymbols();
  resetReader();
  resetLexer();
  resetParser();
  resetCodeGenerator();
}

struct Job {
  const std::function<int()>* work;
  int status;
};

void* runJob(void* arg) {
  Job* job = static_cast<Job*>(arg);
  job->status = (*job->work)();
  return nullptr;
}

// One run: open the source, parse, optimize, translate.  Every diagnostic
// leaves through an exception; the output written so far is kept.
int translate(const std::function<void()>& open, const CompileOptions& options) {
  int status = 0;
  emitSourceLines = options.sourceLines;
  try {
    open();
    CtiSymb();
    Node* root = Program();
    if (options.afterParse) options.afterParse(static_cast<Prog*>(root));
    root = root->Optimize();
    root->Translate();
    if (!out.flush()) Chyba("cannot write the output");
  } catch (const RunEnded& end) {
    out.flush();  // keep what was written; the diagnostic is already out
    status = end.status;
  } catch (const std::bad_alloc&) {
    out.flush();
    report(JmenoSouboru, CisloRadku, "out of memory");
    status = 1;
  }
  emitSourceLines = false;
  resetAll();
  return status;
}

// Sends the output where the caller wants it and sets up the symbols.
void start(std::FILE* output, std::string* assembly) {
  resetAll();
  if (output)
    out.toFile(output);
  else
    out.toString(assembly);
  InitMem(64);
}

}  // namespace

int compileUnit(const char* name, std::FILE* output) {
  start(output, nullptr);
  return translate([name] { InitLexan(name); }, CompileOptions());
}

int compileText(const std::string& text, const char* name, std::FILE* output,
                std::string* assembly, const CompileOptions& options) {
  start(output, assembly);
  return translate([&] { InitLexanText(text, name); }, options);
}

int runWithLargeStack(const std::function<int()>& work) {
  constexpr size_t kStackBytes = size_t(2) << 30;
  pthread_attr_t attr;
  pthread_attr_init(&attr);
  pthread_attr_setstacksize(&attr, kStackBytes);
  Job job{&work, 1};
  pthread_t thread;
  if (pthread_create(&thread, &attr, runJob, &job) != 0) {
    pthread_attr_destroy(&attr);
    return work();  // no thread to be had: run on this stack
  }
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attr);
  return job.status;
}
