// Test helper: assembles standard input and writes one image format to
// standard output, so that shell tests can feed the images to the
// simulator and to HDL tools.
//   tarvelasm_image hex|mem|mif|vhdl|verilog|listing [NAME] < program.psm
#include <iostream>
#include <iterator>
#include <string>

#include "asm/images.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "use: tarvelasm_image hex|mem|mif|vhdl|verilog|listing [NAME] < program.psm\n";
    return 2;
  }
  std::string format = argv[1];
  std::string name = argc > 2 ? argv[2] : "program";
  std::string text{std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  try {
    assembly::Assembly program = assembly::assemble(text);
    assembly::WordImage words = assembly::wordImage(program);
    if (format == "hex") std::cout << assembly::hexImage(words);
    else if (format == "mem") std::cout << assembly::memImage(words);
    else if (format == "mif") std::cout << assembly::mifImage(words);
    else if (format == "vhdl") std::cout << assembly::vhdlRom(words, name);
    else if (format == "verilog") std::cout << assembly::verilogRom(words, name);
    else if (format == "listing") std::cout << assembly::listing(program);
    else return 2;
  } catch (const assembly::Error& e) {
    std::cerr << assembly::formatError("stdin", e) << "\n";
    return 1;
  }
  return 0;
}
