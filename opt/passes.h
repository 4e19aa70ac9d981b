// The passes over one compiled function. Each returns whether it changed
// the lines; the driver repeats them until nothing changes.
#pragma once

#include <vector>

#include "opt/flow.h"

namespace opt {

bool removeDeadCode(std::vector<Line>& lines, const Context& ctx);
bool propagateConstants(std::vector<Line>& lines, const Context& ctx);
bool propagateCopies(std::vector<Line>& lines, const Context& ctx);
bool simplifyBranches(std::vector<Line>& lines, const Context& ctx);
bool cleanJumps(std::vector<Line>& lines);
bool expandRoutineCalls(std::vector<Line>& lines, const Context& ctx);

// The registers that hold a known byte before each line.
std::vector<std::optional<RegFacts>> knownBytes(const std::vector<Line>& lines,
                                                const std::vector<std::vector<int>>& succ,
                                                const Context& ctx);

// Moves the function's stack-frame bytes into registers and drops the frame
// pointer; leaves the lines alone when that is not provably safe.
// ownParams: the bytes of the function's own parameters (-1: unknown).
bool promoteFrame(std::vector<Line>& lines, const Context& ctx, int ownParams);

// Renames the virtual registers so that each stands for one web of
// definitions and uses; false (lines unchanged) when there are too many.
bool splitWebs(std::vector<Line>& lines, const Context& ctx);

// Gives each virtual register a machine register from ctx.pool that holds
// nothing else while it is live; false when one finds none.
bool colorFrame(std::vector<Line>& lines, const Context& ctx);

}  // namespace opt
