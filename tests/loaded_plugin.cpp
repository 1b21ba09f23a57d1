// The library tests' plug-in: the real library, loaded at run time as a
// host loads it. The path comes as the first argument after GoogleTest's
// own; by default the library beside the test program.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/plugin_under_test.h"

namespace {
PluginApi g_api;
}

const PluginApi& Plugin() {
  return g_api;
}

// Set up by the platform's box capture, once the library is loaded.
void PrepareBoxCapture(void* module);

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const std::string path = argc > 1 ? argv[1] : DefaultPluginPath();
  // Said before loading, so that a crash while loading shows as the
  // program's own failure.
  std::printf("loading %s\n", path.c_str());
  std::fflush(stdout);
  std::string error;
  if (!LoadPlugin(path, &g_api, &error)) {
    std::fprintf(stderr, "cannot load %s: %s\n", path.c_str(), error.c_str());
    return 1;
  }
  PrepareBoxCapture(g_api.module);
  return RUN_ALL_TESTS();
}
