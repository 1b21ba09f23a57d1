// Boxes of the native library: each is one line "caption: text" on
// standard error.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/plugin_under_test.h"

namespace {
bool g_capturing = false;
}

void PrepareBoxCapture(void*) {}

void StartBoxCapture() {
  if (!g_capturing) ::testing::internal::CaptureStderr();
  g_capturing = true;
}

std::vector<ShownBox> StopBoxCapture() {
  if (!g_capturing) return {};
  g_capturing = false;
  std::istringstream lines(::testing::internal::GetCapturedStderr());
  std::vector<ShownBox> boxes;
  std::string line;
  while (std::getline(lines, line)) {
    const size_t colon = line.find(": ");
    if (colon == std::string::npos) continue;
    boxes.push_back({nullptr, line.substr(0, colon), line.substr(colon + 2), 0});
  }
  return boxes;
}

bool BoxOwnerAndStyleSeen() {
  return false;
}
