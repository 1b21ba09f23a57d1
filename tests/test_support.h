// Fixtures shared by the test files.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/image_builder.h"
#include "tests/plugin_under_test.h"

// A blank 174848-byte disk, written once per test binary.
const std::string& BlankImagePath();

// Opens images until the table is full: expects handles 10 down to 1 and
// then NoFreeSlot, and closes them again.
void ExpectAllSlotsFree();

// Every test must end with all ten slots free.
class PluginTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectAllSlotsFree(); }
};
