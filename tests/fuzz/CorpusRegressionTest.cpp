#include <gtest/gtest.h>

#include "FuzzTargets.h"
#include "fuzz/KeptInputs.h"

namespace {

// Every input kept in the fuzz corpus goes through its target's checks in
// every test run.
TEST(FuzzCorpus, EveryKeptInputPassesItsChecks) {
  const int inputs = CheckKeptInputs("puzzle_reader", CheckPuzzleReader) +
                     CheckKeptInputs("open_path", CheckOpenPath) +
                     CheckKeptInputs("settings", CheckSettingsReader);
  EXPECT_GE(inputs, 10);
}

}  // namespace
