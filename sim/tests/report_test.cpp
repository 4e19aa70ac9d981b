// The memory map block becomes named globals, and --dump prints them as the
// C program sees them: signedness from the type word, arrays per element.
#include <gtest/gtest.h>

#include "report.h"
#include "run_helper.h"

namespace tarvelsim {
namespace {

const char* kListing = R"(
        ;-----------------------------------------------
        ; Memory usage:
        ; adr size typ   variable
        ; ---    2  A104  f(2404,2482)
        ;  54    2  2B04  u[]
        ;  56    2  2204  arr
        ;  60    1  2182  p
        ;  61    1  2102  b - initvalue=7
        ;  62    2  2104  a
        ;-----------------------------------------------

        CONSTANT    _a , 3E
        LOAD    s0,FE
        STORE   s0,3E
        LOAD    s0,FF
        STORE   s0,3F
        STORE   s0,3D
        STORE   s0,3C
        LOAD    s0,34
        STORE   s0,38
        LOAD    s0,12
        STORE   s0,39
end:    JUMP    end
)";

TEST(MemoryMap, GlobalsWithTypesAndArrayLengths) {
  Sim sim(kListing);
  ASSERT_TRUE(sim.prog.hasMemoryMap);
  ASSERT_EQ(sim.prog.globals.size(), 4u);  // "u[]" is no identifier: skipped
  const Global& arr = sim.prog.globals[0];
  EXPECT_EQ(arr.name, "arr");
  EXPECT_EQ(arr.addr, 56);
  EXPECT_EQ(arr.count, 2);  // 56..59, up to p at 60
  EXPECT_EQ(sim.prog.globals[3].name, "a");
}

TEST(MemoryMap, DumpPrintsValuesByName) {
  Sim sim(kListing);
  ASSERT_EQ(sim.run(), Status::End);
  std::ostringstream out;
  dump(out, sim.m, sim.prog);
  const std::string text = out.str();
  for (const char* line : {"\na = -2\n", "\nb = -1\n", "\np = 255\n", "\narr[0] = 4660\n",
                           "\narr[1] = 0\n", "\n30: 00 00 00 00 00 00 00 00 34 12"})
    EXPECT_NE(text.find(line), std::string::npos) << line << " missing in\n" << text;
}

TEST(MemoryMap, NoBlockNoGlobals) {
  Sim sim("end: JUMP end\n");
  sim.run();
  std::ostringstream out;
  dump(out, sim.m, sim.prog);
  EXPECT_EQ(out.str().find("globals:"), std::string::npos);
  EXPECT_NE(out.str().find("sF=00"), std::string::npos);
}

}  // namespace
}  // namespace tarvelsim
