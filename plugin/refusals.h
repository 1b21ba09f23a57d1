// The commands this read-only plug-in refuses or answers without work.
#pragma once

#include <cstdint>

namespace pellaxo {

constexpr char kNotSupportedCaption[] = "Pellaxo error";
constexpr char kNotSupportedText[] = "This function is not supported in this version of Pellaxo";
constexpr char kAboutCaption[] = "About Pellaxo";
constexpr char kAboutText[] =
    "Pellaxo plugin 0.10\r\n"
    "by the Pellaxo authors\r\n"
    "Lists Commodore 1541 disk images (D64), read only.";

// The warning box, with no owner window; returns once it is closed.
void ShowNotSupported();

// ProcessFile's answer: Skip and every value but Test and Extract succeed
// without work (the operation is tested before the handle); Test and
// Extract on an open handle are refused with the warning box, on any other
// handle succeed with no box.
int32_t AnswerEntryOperation(int32_t handle, int32_t operation);

// The About box, owned by the host's parent window.
void ShowAbout(void* parent_window);

}  // namespace pellaxo
