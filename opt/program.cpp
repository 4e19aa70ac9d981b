// Splits a compiled program into its parts, optimizes each compiled
// function (callees first, so that callers know what a call changes), drops
// functions nothing calls and writes the program back.
//
// Everything that is not a compiled function (banner, memory map, start-up
// code, interrupt entry, file-level asm, the multiply and divide routines,
// the vector) is copied unchanged. A function that holds inline asm, or one
// of whose labels asm text names, is copied unchanged as well.
#include <algorithm>
#include <functional>
#include <set>
#include <sstream>

#include "opt/interrupt.h"
#include "opt/optimize.h"
#include "opt/passes.h"

namespace opt {
namespace {

std::string trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return "";
  return s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

bool startsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

struct Unit {
  bool function = false;
  bool optimizable = false;
  bool kept = true;
  std::string name;             // a function's entry label, "_name"
  std::vector<std::string> raw;  // the lines as written (a function: its body)
  std::vector<std::string> head;  // a function's heading comment lines
  std::vector<Line> lines;       // a function's parsed body
};

struct Program {
  std::vector<Unit> units;
  std::set<std::string> asmNames;  // every word of asm and other kept text
  std::map<std::string, int> paramBytes;
  bool irqEntry = false;
};

void addWords(std::set<std::string>& words, const std::string& line) {
  std::string w;
  for (char c : line + " ") {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
      w += c;
    } else if (!w.empty()) {
      words.insert(w);
      w.clear();
    }
  }
}

// Bytes of the parameters listed in a memory-map line such as
// "; ---    2  A104  clamp(2404,2404)"; -1 when a type word is not a plain
// char, int or pointer.
void readMemoryMapLine(const std::string& line, std::map<std::string, int>& params) {
  std::istringstream in(trimmed(line));
  std::string semi, adr, size, type, rest;
  if (!(in >> semi >> adr >> size >> type >> rest) || semi != ";" || adr != "---") return;
  size_t open = rest.find('('), close = rest.find(')');
  if (open == std::string::npos || close == std::string::npos) return;
  int bytes = 0;
  std::stringstream list(rest.substr(open + 1, close - open - 1));
  std::string word;
  while (std::getline(list, word, ',')) {
    long t = std::strtol(word.c_str(), nullptr, 16);
    int base = static_cast<int>(t & 0xF);
    if (t & 0x80) bytes += 1;
    else if (base == 2) bytes += 1;
    else if (base == 3 || base == 4) bytes += 2;
    else bytes = -1000;
  }
  params["_" + rest.substr(0, open)] = bytes < 0 ? -1 : bytes;
}

bool isLabelLine(const std::string& line, std::string& name) {
  Line l = parseLine(line);
  name = l.text;
  return l.kind == Line::Label && !line.empty() && line[0] != ' ' && line[0] != '\t';
}

Program split(const std::vector<std::string>& text) {
  Program p;
  p.units.emplace_back();
  for (size_t i = 0; i < text.size();) {
    std::string t = trimmed(text[i]);
    std::string next = i + 1 < text.size() ? trimmed(text[i + 1]) : "";
    if (startsWith(t, ";====") && startsWith(next, "; Function ") && next.back() == ':') {
      Unit u;
      u.function = true;
      u.name = "_" + trimmed(next.substr(11, next.size() - 12));
      u.head = {text[i], text[i + 1]};
      bool inAsm = false;
      for (i += 2; i < text.size(); ++i) {
        std::string s = trimmed(text[i]), label;
        if (s == ";inline asm function start") inAsm = true;
        // A function ends at the next heading, the next label of its own
        // (run-time routines) or the interrupt vector's ADDRESS.
        if (!inAsm && (startsWith(s, ";====") || startsWith(s, "ADDRESS ") ||
                       (isLabelLine(text[i], label) && label != u.name && !startsWith(label, "label_"))))
          break;
        if (s == ";inline asm function end") inAsm = false;
        if (inAsm) addWords(p.asmNames, text[i]);
        u.raw.push_back(text[i]);
      }
      u.optimizable = true;
      p.units.push_back(u);
      p.units.emplace_back();
      continue;
    }
    if (startsWith(t, "; ---")) readMemoryMapLine(t, p.paramBytes);
    std::string label;
    if (isLabelLine(text[i], label) && label == "irq1") p.irqEntry = true;
    addWords(p.asmNames, text[i]);
    p.units.back().raw.push_back(text[i]);
    ++i;
  }
  return p;
}

// An asm block the passes can treat as one opaque instruction: code that
// runs straight through (no labels, jumps, calls or returns) and never
// names the frame or stack pointer, which the surrounding code relies on.
bool isStraightAsm(const std::vector<std::string>& block) {
  for (const std::string& raw : block) {
    Line l = parseLine(raw);
    if (l.kind == Line::Label) return false;
    if (l.kind == Line::Text && !trimmed(raw).empty() && trimmed(raw)[0] != ';') return false;
    if (l.kind != Line::Instr) continue;
    if (l.op == "JUMP" || l.op == "CALL" || l.op == "RETURN" || l.op == "RETURNI") return false;
    for (const std::string& operand : {l.a, l.b}) {
      int r = std::max(regOf(operand), indirectReg(operand));
      if (r == kSE || r == kSF) return false;
    }
  }
  return true;
}

// Parses a function body; false when it holds something the passes do not
// model (directives, conditional calls, interrupt returns, asm that jumps
// or touches the frame) or a label that asm text names. Each asm block
// becomes one ASM line holding its text.
bool parseBody(Unit& u, const std::set<std::string>& asmNames) {
  for (size_t i = 0; i < u.raw.size(); ++i) {
    const std::string& raw = u.raw[i];
    if (trimmed(raw) == ";inline asm function start") {
      size_t end = i;
      while (end < u.raw.size() && trimmed(u.raw[end]) != ";inline asm function end") ++end;
      if (end == u.raw.size()) return false;
      std::vector<std::string> block(u.raw.begin() + static_cast<long>(i), u.raw.begin() + static_cast<long>(end) + 1);
      if (!isStraightAsm(block)) return false;
      Line l = makeInstr("ASM", "");
      for (const std::string& b : block) l.text += (l.text.empty() ? "" : "\n") + b;
      u.lines.push_back(l);
      i = end;
      continue;
    }
    Line l = parseLine(raw);
    if (l.kind == Line::Text) {
      if (!trimmed(raw).empty() && trimmed(raw)[0] != ';') return false;
      continue;
    }
    if (l.kind == Line::Label && l.text != u.name && asmNames.count(l.text)) return false;
    if (l.kind == Line::Instr && ((l.op == "CALL" && !l.cond.empty()) || l.op == "RETURNI"))
      return false;
    u.lines.push_back(l);
  }
  std::vector<std::vector<int>> succ;
  return !u.lines.empty() && u.lines[0].kind == Line::Label && successors(u.lines, succ);
}

// What a call of a label reads when it runs `lines`: what is read before
// being written, and every register the code may write (a path that leaves
// it alone passes the caller's value through).
RegSet usedByCall(const std::vector<Line>& lines, size_t entry, const Context& ctx,
                  const RegSet& written) {
  Context local = ctx;
  local.exitLive |= written;
  std::vector<std::vector<int>> succ;
  if (!successors(lines, succ)) return local.unknownCallee().use;
  std::vector<RegSet> after = liveAfter(lines, succ, local);
  RegSet use = liveBefore(lines[entry], after[entry], local);
  use.reset(kZ).reset(kC);  // no call passes flags
  return use.set(kSE).set(kSF);
}

// The lines a call of lines[entry] can run, following jumps inside the
// listing; false when control may leave it other than by RETURN (a jump
// elsewhere, a CALL, an interrupt return or a fall off the end).
bool reachableFrom(const std::vector<Line>& lines, const std::map<std::string, size_t>& labels,
                   size_t entry, std::vector<bool>& seen) {
  seen.assign(lines.size(), false);
  std::vector<size_t> work{entry};
  while (!work.empty()) {
    size_t i = work.back();
    work.pop_back();
    if (i >= lines.size()) return false;
    if (seen[i]) continue;
    seen[i] = true;
    const Line& l = lines[i];
    bool stops = false;
    if (l.kind == Line::Instr) {
      if (l.op == "CALL" || l.op == "RETURNI") return false;
      if (l.op == "JUMP") {
        auto target = labels.find(l.a);
        if (target == labels.end()) return false;
        work.push_back(target->second);
      }
      stops = l.cond.empty() && (l.op == "JUMP" || l.op == "RETURN");
    }
    if (!stops) work.push_back(i + 1);
  }
  return true;
}

// What a call of a label in copied code reads and changes: worked out from
// the code it can reach when that stays within its own part of the
// program, otherwise anything.
void describeCopiedCode(const Unit& u, Context& ctx) {
  std::map<std::string, size_t> labels;
  std::vector<Line> lines;
  for (const std::string& raw : u.raw) {
    Line l = parseLine(raw);
    if (l.kind == Line::Label) labels[l.text] = lines.size();
    if (l.kind != Line::Text) lines.push_back(l);
  }
  Context bare;
  for (const auto& [label, at] : labels) {
    Callee c = ctx.unknownCallee();
    std::vector<bool> seen;
    if (reachableFrom(lines, labels, at, seen)) {
      // The reachable code alone, the rest stood in for by RETURNs.
      std::vector<Line> reached = lines;
      bool memory = false;
      RegSet written;
      for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        if (!seen[i]) {
          if (l.kind == Line::Instr) reached[i] = makeInstr("RETURN", "");
          continue;
        }
        if (l.op == "FETCH" || l.op == "STORE" || l.op == "INPUT" || l.op == "OUTPUT") memory = true;
        written |= effectsOf(l).def;
      }
      written.reset(kSE).reset(kSF);
      c.clobber = written;
      c.clobber.set(kZ).set(kC);
      c.use = usedByCall(reached, at, bare, written);
      if (!memory) c.paramBytes = 0;
    }
    ctx.callees[label] = c;
  }
}

void optimizeFunction(std::vector<Line>& lines, const Context& ctx, int params) {
  cleanJumps(lines);
  promoteFrame(lines, ctx, params);
  for (int round = 0; round < 30; ++round) {
    bool changed = cleanJumps(lines);
    changed |= propagateConstants(lines, ctx);
    changed |= expandRoutineCalls(lines, ctx);
    changed |= propagateCopies(lines, ctx);
    changed |= simplifyBranches(lines, ctx);
    changed |= removeDeadCode(lines, ctx);
    if (!changed) break;
  }
}

// After a function is final: what a call of it reads and changes.
Callee describeFunction(const std::vector<Line>& lines, const Context& ctx, int params) {
  Callee c;
  c.paramBytes = params;
  for (const Line& l : lines) c.clobber |= effectsIn(l, ctx).def;
  c.clobber.reset(kSE).reset(kSF);
  c.clobber.set(kZ).set(kC);
  c.use = usedByCall(lines, 0, ctx, c.clobber);
  return c;
}

bool isRoutineEntry(const std::string& label) {
  static const std::set<std::string> names = {"mult16x16", "mult15x15", "mult16x15", "mult15x16",
                                              "mult8x8",   "mult7x7",   "mult8x7",   "mult7x8",
                                              "div8x8",    "div16x16"};
  return names.count(label) > 0;
}

// Whether control can run past the end of `text` into what follows.
bool fallsThrough(const std::vector<std::string>& text) {
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    Line l = parseLine(*it);
    if (l.kind == Line::Label) return true;
    if (l.kind == Line::Instr) return !(l.cond.empty() && (l.op == "JUMP" || l.op == "RETURN"));
  }
  return false;
}

// Writes the program back. A run-time routine goes when nothing else in
// the program names its labels any more (its calls were expanded): each
// routine runs from its entry label to the next entry or empty line.
std::string printProgram(const Program& p) {
  struct Piece {
    std::vector<std::string> text;
    std::set<std::string> labels;  // a routine's labels; empty: always kept
    bool kept = true;
  };
  std::vector<Piece> pieces(1);
  for (const Unit& u : p.units) {
    if (!u.kept) continue;
    std::vector<std::string> text = u.head;
    if (u.function && u.optimizable) {
      for (const Line& l : u.lines) text.push_back(printLine(l));
      text.insert(text.end(), {"", ""});
    } else {
      text.insert(text.end(), u.raw.begin(), u.raw.end());
    }
    for (const std::string& line : text) {
      std::string label;
      bool isLabel = !u.function && isLabelLine(line, label);
      // Only a routine that nothing runs into from the line before it can go.
      if (isLabel && isRoutineEntry(label) && !fallsThrough(pieces.back().text))
        pieces.emplace_back(), pieces.back().kept = false;
      if (isLabel && !pieces.back().kept) pieces.back().labels.insert(label);
      pieces.back().text.push_back(line);
      if (trimmed(line).empty() && !pieces.back().kept) pieces.emplace_back();
    }
  }
  std::set<std::string> named;
  auto addNames = [&](const Piece& piece) {
    for (const std::string& line : piece.text) {
      std::string label;
      if (!isLabelLine(line, label)) addWords(named, line);
    }
  };
  for (const Piece& piece : pieces)
    if (piece.kept) addNames(piece);
  for (bool changed = true; changed;) {
    changed = false;
    for (Piece& piece : pieces) {
      if (piece.kept) continue;
      for (const std::string& label : piece.labels) piece.kept |= named.count(label) > 0;
      if (piece.kept) addNames(piece), changed = true;
    }
  }
  std::string out;
  for (const Piece& piece : pieces)
    if (piece.kept)
      for (const std::string& line : piece.text) out += line + "\n";
  return out;
}

}  // namespace

std::string optimizeProgram(const std::string& assembly) {
  std::vector<std::string> text;
  std::stringstream in(assembly);
  for (std::string line; std::getline(in, line);) text.push_back(line);
  Program p = split(text);

  Context ctx;
  ctx.reserved = p.asmNames;
  ctx.exitLive.set(2).set(3).set(kSE).set(kSF);
  for (int r = 0; r <= kSD; ++r)
    if (!p.irqEntry || r < 6 || r == kSD) ctx.pool.set(r);
  std::map<std::string, Unit*> functions;
  for (Unit& u : p.units) {
    if (!u.function) describeCopiedCode(u, ctx);
    else functions[u.name] = &u;
  }

  // Keep the functions that copied text or kept functions name; optimize
  // them callees first (a call inside a cycle sees an unknown callee).
  for (auto& [name, u] : functions) u->kept = false;
  std::set<Unit*> started;
  std::function<void(Unit*)> visit;
  Unit* entryUnit = nullptr;
  int entryAt = -1;
  for (Unit& u : p.units)
    if (!u.function && entryAt < 0 && (entryAt = findInterruptEntry(u.raw)) >= 0) entryUnit = &u;
  // The handler and what it calls come first, in s0..s5 and sD; then the
  // entry saves only what they may change and the rest of the program may
  // use every other register.
  auto planEntry = [&]() {
    if (!entryUnit || !functions.count("_my_irq")) return;
    visit(functions["_my_irq"]);
    RegSet slots;
    std::vector<Line> code;
    if (!planInterruptEntry(ctx.callee("_my_irq").clobber, slots, code)) return;
    replaceInterruptEntry(entryUnit->raw, entryAt, code);
    for (int r = 0; r <= kSD; ++r) ctx.pool.set(r, !slots.test(r));
  };
  visit = [&](Unit* u) {
    if (!started.insert(u).second) return;
    u->kept = true;
    std::set<std::string> words;
    for (const std::string& raw : u->raw) addWords(words, raw);
    for (const std::string& w : words)
      if (functions.count(w)) visit(functions[w]);
    auto found = p.paramBytes.find(u->name);
    int params = found == p.paramBytes.end() ? -1 : found->second;
    if (!u->optimizable || !parseBody(*u, p.asmNames)) {
      // A function left as written reads its parameters and nothing else
      // of its caller's frame.
      u->optimizable = false;
      ctx.callees[u->name] = ctx.unknownCallee();
      ctx.callees[u->name].paramBytes = params;
      return;
    }
    optimizeFunction(u->lines, ctx, params);
    ctx.callees[u->name] = describeFunction(u->lines, ctx, params);
  };
  planEntry();
  for (const std::string& w : p.asmNames)
    if (functions.count(w)) visit(functions[w]);

  return printProgram(p);
}

}  // namespace opt
