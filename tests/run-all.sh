#!/usr/bin/env bash
# Builds the project and runs the whole test suite, installing first what
# the tests need and the machine lacks (Debian packages; as root, or through
# sudo).  Where nothing can be installed, the tests that need a missing
# tool are left out by CMake and everything else still runs.
#
# use: tests/run-all.sh [PRESET]     PRESET: default (Release) or asan
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-default}

need=()
have() { command -v "$1" > /dev/null 2>&1; }
have cmake || need+=(cmake)
have make || need+=(make)
have g++ || need+=(g++)
have python3 || need+=(python3)
dpkg -s libgtest-dev > /dev/null 2>&1 || need+=(libgtest-dev)
have cpp || need+=(cpp)              # the driver's preprocessor tests
have iverilog || need+=(iverilog)    # HDL simulators that read back the ROMs
have ghdl || need+=(ghdl)
have vcd2fst || need+=(gtkwave)      # checks the simulator's waveforms
if [ ${#need[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  if [ -z "$sudo" ] || have sudo; then
    echo "== installing: ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${need[@]}"
  else
    echo "== not installed (no root): ${need[*]}; the tests that need them are left out"
  fi
fi

cmake --preset "$preset"
cmake --build --preset "$preset" -j2
ctest --preset "$preset" -j2
