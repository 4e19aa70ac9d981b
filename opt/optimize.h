// The size optimizer for tarvelcc's output: takes the complete assembly
// program the compiler writes and returns a smaller, faster program with the
// same data layout and the same observable behaviour.
#pragma once

#include <string>

namespace opt {

std::string optimizeProgram(const std::string& assembly);

}  // namespace opt
