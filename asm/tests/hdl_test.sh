#!/usr/bin/env bash
# Loads a generated ROM into an HDL simulator, reads every address back
# through the clocked port and compares the words with the hex image.
#   hdl_test.sh verilog|vhdl TARVEL PROGRAM.c|full
# "full" is a program that fills every word of program memory. The ROM's
# file name needs cleaning up: the test bench uses the name the file declares.
set -euo pipefail
lang=$1 tarvel=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if [ "$source" = full ]; then
  for _ in $(seq 1024); do echo "ADD s1,01"; done > "$work/prog.psm"
else
  "$tarvel" -S "$source" -o "$work/prog.psm"
fi
cd "$work"
"$tarvel" prog.psm -o prog.hex
ext=$([ "$lang" = verilog ] && echo v || echo vhd)
"$tarvel" prog.psm -o "7-seg.rom.$ext"
name=$(sed -n 's/^\(module\|entity\) \([A-Za-z0-9_]*\).*/\2/p' "7-seg.rom.$ext" | head -1)
[ "$name" = rom_7_seg_rom ] || { echo "unexpected name '$name'"; exit 1; }

if [ "$lang" = verilog ]; then
  cat > tb.v <<TB
module tb;
  reg clk = 0;
  reg [9:0] address = 0;
  wire [17:0] instruction;
  integer i;
  $name rom (.clk(clk), .address(address), .instruction(instruction));
  initial for (i = 0; i < 1024; i = i + 1) begin
    address = i; #1 clk = 1; #1 clk = 0;
    \$display("%05X", instruction);
  end
endmodule
TB
  iverilog -Wall -o tb 7-seg.rom.v tb.v
  vvp -n tb > out
else
  cat > tb.vhd <<TB
library ieee;
use ieee.std_logic_1164.all, ieee.numeric_std.all, std.textio.all;
entity tb is end entity tb;
architecture test of tb is
  signal clk : std_logic := '0';
  signal address : std_logic_vector(9 downto 0) := (others => '0');
  signal instruction : std_logic_vector(17 downto 0);
begin
  rom : entity work.$name port map (clk => clk, address => address, instruction => instruction);
  process
  begin
    for i in 0 to 1023 loop
      address <= std_logic_vector(to_unsigned(i, 10));
      wait for 1 ns; clk <= '1'; wait for 1 ns; clk <= '0';
      write(output, to_hstring(instruction) & LF);
    end loop;
    wait;
  end process;
end architecture test;
TB
  ghdl -a --std=08 7-seg.rom.vhd tb.vhd
  ghdl -e --std=08 tb
  ghdl -r --std=08 tb > out
fi
diff -i prog.hex out
