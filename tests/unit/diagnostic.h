// Test helper: runs code that must end the run with one diagnostic.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "front/vstup.h"

// Runs `work`, which must end the run with status 1; returns what it printed
// on standard error.
template <class F>
std::string diagnostic(F work) {
  testing::internal::CaptureStderr();
  try {
    work();
  } catch (const RunEnded& end) {
    EXPECT_EQ(1, end.status);
    return testing::internal::GetCapturedStderr();
  }
  return "no diagnostic: " + testing::internal::GetCapturedStderr();
}
