// The program as a ROM for hardware description: a VHDL entity and a
// Verilog module with the same ports and the same name, holding the words
// as a constant table read on the rising clock edge (which is what lets
// synthesis put it into block memory).
#include <algorithm>
#include <cctype>
#include <iterator>

#include "images.h"
#include "text.h"

namespace assembly {
namespace {

// Words reserved in either language, and the names the ROMs use inside, in
// lower case (VHDL ignores case). A name equal to one of them gets a suffix
// so that both files always carry the same legal name.
const char* const kTaken[] = {
    "abs", "access", "after", "alias", "all", "always", "and", "architecture", "array",
    "assert", "assign", "assume", "attribute", "automatic", "begin", "block", "body",
    "buf", "bufif0", "bufif1", "buffer", "bus", "case", "casex", "casez", "cell", "cmos",
    "component", "config", "configuration", "constant", "context", "cover", "deassign",
    "default", "defparam", "design", "disable", "disconnect", "downto", "edge", "else",
    "elsif", "end", "endcase", "endconfig", "endfunction", "endgenerate", "endmodule",
    "endprimitive", "endspecify", "endtable", "endtask", "entity", "event", "exit",
    "fairness", "file", "for", "force", "forever", "fork", "function", "generate",
    "generic", "genvar", "group", "guarded", "highz0", "highz1", "if", "ifnone", "impure",
    "in", "incdir", "include", "inertial", "initial", "inout", "input", "instance", "is",
    "join", "label", "large", "liblist", "library", "linkage", "literal", "localparam",
    "loop", "macromodule", "map", "medium", "mod", "module", "nand", "negedge", "new",
    "next", "nmos", "nor", "noshowcancelled", "not", "notif0", "notif1", "null", "of",
    "on", "open", "or", "others", "out", "output", "package", "parameter", "pmos",
    "port", "posedge", "postponed", "primitive", "procedure", "process", "property",
    "protected", "pull0", "pull1", "pulldown", "pullup", "pulsestyle_ondetect",
    "pulsestyle_onevent", "pure", "range", "rcmos", "real", "realtime", "record", "reg",
    "register", "reject", "release", "rem", "repeat", "report", "restrict", "return",
    "rnmos", "rol", "ror", "rpmos", "rtran", "rtranif0", "rtranif1", "scalared",
    "select", "sequence", "severity", "shared", "showcancelled", "signal", "signed",
    "sla", "sll", "small", "specify", "specparam", "sra", "srl", "strong", "strong0",
    "strong1", "subtype", "supply0", "supply1", "table", "task", "then", "time", "to",
    "tran", "tranif0", "tranif1", "transport", "tri", "tri0", "tri1", "triand", "trior",
    "trireg", "type", "units", "unsigned", "until", "use", "uwire", "variable", "vectored",
    "vmode", "vprop", "vunit", "wait", "wand", "weak0", "weak1", "when", "while", "wire",
    "with", "wor", "xnor", "xor",
    // names used inside the generated ROMs and the libraries they open
    "address", "clk", "ieee", "instruction", "numeric_std", "rom", "rom_type", "rtl",
    "std", "std_logic_1164", "work",
};

bool isTaken(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return std::find(std::begin(kTaken), std::end(kTaken), lower) != std::end(kTaken);
}

std::string header(const char* comment) {
  return std::string(comment) +
         " Program ROM of a Tarvel program: 1024 words of 18 bits, read on the\n" + comment +
         " rising clock edge. Written by the Tarvel assembler.\n";
}

}  // namespace

// Letters, digits and single underscores, starting with a letter and not
// ending in an underscore: legal in both languages.
std::string hdlName(const std::string& name) {
  std::string out;
  for (char c : name) {
    bool keep = std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80;
    char next = keep ? c : '_';
    if (next == '_' && (out.empty() || out.back() == '_')) continue;
    out += next;
  }
  if (!out.empty() && out.back() == '_') out.pop_back();
  if (out.empty()) return "program_rom";
  if (std::isdigit(static_cast<unsigned char>(out[0]))) out = "rom_" + out;
  if (isTaken(out)) out += "_rom";
  return out;
}

std::string vhdlRom(const WordImage& words, const std::string& name) {
  std::string id = hdlName(name);
  std::string table;
  bool anyZero = false;
  for (size_t a = 0; a < words.size(); ++a) {
    if (words[a] == 0) {
      anyZero = true;
      continue;
    }
    table += (table.empty() ? "    " : ",\n    ") + ("16#" + hex(static_cast<unsigned>(a), 3) +
                                                    "# => 16#" + hex(words[a], 5) + "#");
  }
  if (anyZero) table += table.empty() ? "    others => 0" : ",\n    others => 0";
  return header("--") +
         "library ieee;\n"
         "use ieee.std_logic_1164.all;\n"
         "use ieee.numeric_std.all;\n\n"
         "entity " + id + " is\n"
         "  port (\n"
         "    clk         : in  std_logic;\n"
         "    address     : in  std_logic_vector(9 downto 0);\n"
         "    instruction : out std_logic_vector(17 downto 0)\n"
         "  );\n"
         "end entity " + id + ";\n\n"
         "architecture rtl of " + id + " is\n"
         "  type rom_type is array (0 to 1023) of natural range 0 to 16#3FFFF#;\n"
         "  constant rom : rom_type := (\n" + table + "\n  );\n"
         "begin\n"
         "  process (clk)\n"
         "  begin\n"
         "    if rising_edge(clk) then\n"
         "      instruction <= std_logic_vector(to_unsigned(rom(to_integer(unsigned(address))), 18));\n"
         "    end if;\n"
         "  end process;\n"
         "end architecture rtl;\n";
}

std::string verilogRom(const WordImage& words, const std::string& name) {
  std::string table;
  for (size_t a = 0; a < words.size(); ++a)
    if (words[a] != 0)
      table += "      10'h" + hex(static_cast<unsigned>(a), 3) + ": instruction <= 18'h" +
               hex(words[a], 5) + ";\n";
  return header("//") +
         "module " + hdlName(name) + " (\n"
         "  input wire clk,\n"
         "  input wire [9:0] address,\n"
         "  output reg [17:0] instruction\n"
         ");\n"
         "  always @(posedge clk)\n"
         "    case (address)\n" + table +
         "      default: instruction <= 18'h00000;\n"
         "    endcase\n"
         "endmodule\n";
}

}  // namespace assembly
