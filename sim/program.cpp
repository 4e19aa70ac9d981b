#include "program.h"

namespace tarvelsim {
namespace {

std::optional<Instr> decodeSlot(uint32_t word, int line, const std::string& text) {
  std::optional<assembly::Instruction> in = assembly::decode(word);
  if (!in) return std::nullopt;
  Instr slot;
  static_cast<assembly::Instruction&>(slot) = *in;
  slot.line = line;
  slot.text = text.empty() ? assembly::disassemble(*in) : text;
  return slot;
}

}  // namespace

Program fromAssembly(const assembly::Assembly& program, const std::string& fileName) {
  Program prog;
  prog.fileName = fileName;
  for (const assembly::Record& r : program.records)
    prog.slots[r.address] = decodeSlot(r.word, r.line, r.text);
  prog.globals = program.memoryMap.globals;
  prog.hasMemoryMap = program.memoryMap.present;
  return prog;
}

Program fromImage(const assembly::WordImage& words, const assembly::LineTable& lines,
                  const std::string& fileName) {
  Program prog;
  prog.fileName = fileName;
  for (int a = 0; a < kProgramSize; ++a) prog.slots[a] = decodeSlot(words[a], lines[a], "");
  return prog;
}

Program loadImage(const std::string& text, const std::string& fileName) {
  assembly::LineTable lines;
  assembly::WordImage words = assembly::readImage(text, &lines);
  return fromImage(words, lines, fileName);
}

Program assemble(const std::string& text, const std::string& fileName) {
  return fromAssembly(assembly::assemble(text), fileName);
}

}  // namespace tarvelsim
