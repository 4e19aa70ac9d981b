// The interactive prompt: commands read a line at a time from a stream,
// so that a script on standard input drives it as well as a person does.
#pragma once

#include <functional>
#include <istream>
#include <ostream>

#include "session.h"

namespace tarvelsim {

struct PromptContext {
  const Program& prog;
  Machine& m;
  Session& session;
  double clockHz;
  // Prints how a run ended (the fault, the limit) and returns its exit status.
  std::function<int(Status)> reportEnd;
};

// Reads commands until "quit" or the end of the input. Returns the exit
// status: that of the run's end if it ended, else 0.
int runPrompt(PromptContext& ctx, std::istream& in, std::ostream& out);

}  // namespace tarvelsim
