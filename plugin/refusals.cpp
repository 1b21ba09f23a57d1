#include "plugin/refusals.h"

#include "platform/platform.h"
#include "plugin/records.h"
#include "plugin/slots.h"

namespace pellaxo {

void ShowNotSupported() {
  platform::ShowMessageBox(nullptr, kNotSupportedText, kNotSupportedCaption, platform::kBoxWarning);
}

int32_t AnswerEntryOperation(int32_t handle, int32_t operation) {
  if (operation != Test && operation != Extract) return Success;
  if (OpenSlotOf(handle) == nullptr) return Success;
  ShowNotSupported();
  return NotSupported;
}

void ShowAbout(void* parent_window) {
  platform::ShowMessageBox(parent_window, kAboutText, kAboutCaption, platform::kBoxInformation);
}

}  // namespace pellaxo
