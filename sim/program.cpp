#include "program.h"

#include <set>

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

// Where routines begin, for naming the function an address is in: every
// CALL target, the compiler's "_name" function labels, the interrupt vector
// and the routine its JUMP leads to.
std::vector<int> findEntries(const Program& prog) {
  std::set<int> entries = {0, kInterruptVector};
  for (const auto& slot : prog.slots)
    if (slot && slot->op == Op::Call) entries.insert(slot->target);
  for (const auto& [name, addr] : prog.labels)
    if (name.size() > 1 && name[0] == '_') entries.insert(addr);
  const auto& vector = prog.slots[kInterruptVector];
  if (vector && vector->op == Op::Jump) entries.insert(vector->target);
  return {entries.begin(), entries.end()};
}

}  // namespace

Program fromAssembly(const assembly::Assembly& program, const std::string& fileName) {
  Program prog;
  prog.fileName = fileName;
  assembly::SourceMap cLines = assembly::readSourceMap(program);
  for (const assembly::Record& r : program.records) {
    prog.slots[r.address] = decodeSlot(r.word, r.line, r.text);
    if (prog.slots[r.address]) prog.slots[r.address]->cLine = cLines.at(r.line);
  }
  prog.globals = program.memoryMap.globals;
  prog.hasMemoryMap = program.memoryMap.present;
  prog.cFiles = cLines.files;
  prog.labels = program.labels;
  prog.entries = findEntries(prog);
  return prog;
}

Program fromImage(const assembly::WordImage& words, const assembly::LineTable& lines,
                  const std::string& fileName) {
  Program prog;
  prog.fileName = fileName;
  for (int a = 0; a < kProgramSize; ++a) prog.slots[a] = decodeSlot(words[a], lines[a], "");
  prog.entries = findEntries(prog);
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
