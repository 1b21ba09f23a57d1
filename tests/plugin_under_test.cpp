#include "tests/plugin_under_test.h"

#include <cstring>

int32_t OpenImage(const std::string& path, int32_t* open_result) {
  pellaxo::OpenArchiveRecord record = {path.c_str(), 0, -7};
  const int32_t handle = Plugin().OpenArchive(&record);
  if (open_result != nullptr) *open_result = record.OpenResult;
  return handle;
}

std::vector<Answer> ReadAll(int32_t handle, int limit) {
  std::vector<Answer> answers;
  for (int i = 0; i < limit; ++i) {
    Answer answer;
    std::memset(&answer.record, 0x5A, sizeof answer.record);
    answer.result = Plugin().ReadHeader(handle, &answer.record);
    answers.push_back(answer);
    if (answer.result != pellaxo::Success) break;
  }
  return answers;
}

std::vector<std::string> ListNames(const std::string& path) {
  std::vector<std::string> names;
  const int32_t handle = OpenImage(path);
  if (handle == 0) return {"<open failed>"};
  for (const Answer& answer : ReadAll(handle)) {
    if (answer.result == pellaxo::Success) {
      names.emplace_back(answer.record.FileName);
    } else {
      names.push_back("<end " + std::to_string(answer.result) + ">");
    }
  }
  Plugin().CloseArchive(handle);
  return names;
}
