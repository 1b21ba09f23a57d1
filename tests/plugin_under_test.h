// The plug-in that a test binary exercises: the core linked in (unit tests,
// behind the platform seam), or the real library loaded at run time
// (libpellaxo.so natively, pellaxo.dll under Wine). The slot, listing and
// refusal tests run the same way against each.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/records.h"
#include "tools/plugin_loader.h"

const PluginApi& Plugin();

// Message boxes the plug-in shows while captured. Where the box layer only
// writes a line to standard error (the native library), owner and style are
// not seen.
struct ShownBox {
  void* owner;
  std::string caption;
  std::string text;
  uint32_t style;
};
void StartBoxCapture();
std::vector<ShownBox> StopBoxCapture();
bool BoxOwnerAndStyleSeen();

// A listing entry as the host received it.
struct Answer {
  int32_t result;
  pellaxo::HeaderRecord record;
};

// Opens path (OpenMode 0); the handle, or 0 with *open_result set.
int32_t OpenImage(const std::string& path, int32_t* open_result = nullptr);

// ReadHeader until a non-zero answer or `limit` calls; every answer, the
// last one included.
std::vector<Answer> ReadAll(int32_t handle, int limit = 400);

// Opens, lists and closes: the file names of the entries answered with 0,
// then "<end N>" for the final answer N.
std::vector<std::string> ListNames(const std::string& path);
