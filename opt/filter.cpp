// tarvelopt: reads a program written by tarvelcc on standard input and
// writes the optimized program to standard output.
#include <iostream>
#include <iterator>
#include <string>

#include "opt/optimize.h"

int main() {
  std::string in((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  std::cout << opt::optimizeProgram(in);
  std::cout.flush();
  return std::cout ? 0 : 1;
}
