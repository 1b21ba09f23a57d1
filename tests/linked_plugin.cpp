// The unit tests' plug-in: the core linked in, behind the platform seam.
#include <gtest/gtest.h>

#include "platform/seam.h"
#include "plugin/exports.h"
#include "tests/plugin_under_test.h"

const PluginApi& Plugin() {
  static const PluginApi api = {
      &::OpenArchive,      &::CloseArchive,       &::ReadHeader, &::ProcessFile,
      &::SetChangeVolProc, &::SetProcessDataProc, &::PackFiles,  &::DeleteFiles,
      &::GetPackerCaps,    &::ConfigurePacker,    nullptr};
  return api;
}

void StartBoxCapture() {
  platform::seam::TakeBoxes();
}

std::vector<ShownBox> StopBoxCapture() {
  const platform::seam::Boxes boxes = platform::seam::TakeBoxes();
  std::vector<ShownBox> shown;
  for (int i = 0; i < boxes.count && i < platform::seam::kMaxBoxes; ++i) {
    const platform::seam::Box& box = boxes.box[i];
    shown.push_back({box.owner, box.caption, box.text, box.style});
  }
  return shown;
}

bool BoxOwnerAndStyleSeen() {
  return true;
}
