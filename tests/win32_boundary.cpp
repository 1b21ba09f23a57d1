// The real pellaxo.dll under a Windows loader: its export table, the stack
// bytes each export removes, its imports, and its message boxes, caught by
// patching the DLL's import of MessageBoxA so no real box is ever shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <set>
#include <string>

#include "tests/test_support.h"

// Calls fn with count 32-bit arguments (pushed right to left, as stdcall and
// cdecl both do) and reports how many bytes of them the callee removed from
// the stack: the difference of ESP before and after the call.
extern "C" uint32_t CallMeasuringStack(const void* fn, const uint32_t* args, int count,
                                       int32_t* removed);
asm(R"(
  .text
  .globl _CallMeasuringStack
_CallMeasuringStack:
  pushl %ebp
  movl  %esp, %ebp
  pushl %ebx
  pushl %esi
  pushl %edi
  movl  12(%ebp), %esi
  movl  16(%ebp), %ecx
1:
  testl %ecx, %ecx
  jz    2f
  decl  %ecx
  pushl (%esi,%ecx,4)
  jmp   1b
2:
  movl  %esp, %edi
  call  *8(%ebp)
  movl  %esp, %ecx
  subl  %edi, %ecx
  movl  20(%ebp), %edx
  movl  %ecx, (%edx)
  leal  -12(%ebp), %esp
  popl  %edi
  popl  %esi
  popl  %ebx
  popl  %ebp
  ret
)");

namespace {

const unsigned char* Base() {
  return static_cast<const unsigned char*>(Plugin().module);
}

const IMAGE_NT_HEADERS* NtHeaders() {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(Base());
  return reinterpret_cast<const IMAGE_NT_HEADERS*>(Base() + dos->e_lfanew);
}

const IMAGE_DATA_DIRECTORY& Directory(int index) {
  return NtHeaders()->OptionalHeader.DataDirectory[index];
}

// Each import of the DLL by module name: the name, and where its address
// slots are.
struct ImportedModule {
  std::string name;
  const IMAGE_THUNK_DATA* names;
  IMAGE_THUNK_DATA* slots;
};

std::vector<ImportedModule> Imports() {
  std::vector<ImportedModule> modules;
  const auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(
      Base() + Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
  for (; import->Name != 0; ++import) {
    modules.push_back(
        {reinterpret_cast<const char*>(Base() + import->Name),
         reinterpret_cast<const IMAGE_THUNK_DATA*>(Base() + import->OriginalFirstThunk),
         reinterpret_cast<IMAGE_THUNK_DATA*>(const_cast<unsigned char*>(Base()) +
                                             import->FirstThunk)});
  }
  return modules;
}

std::vector<ShownBox> g_boxes;

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  g_boxes.push_back({owner, caption != nullptr ? caption : "", text != nullptr ? text : "", style});
  return IDOK;
}

struct ExportRow {
  const char* name;
  WORD ordinal;
  int arguments;
};

constexpr ExportRow kExports[] = {
    {"OpenArchive", 10, 1},    {"CloseArchive", 9, 1},     {"ReadHeader", 8, 2},
    {"ProcessFile", 7, 4},     {"SetChangeVolProc", 6, 2}, {"SetProcessDataProc", 5, 2},
    {"PackFiles", 4, 5},       {"DeleteFiles", 3, 2},      {"GetPackerCaps", 2, 0},
    {"ConfigurePacker", 1, 2},
};

class BoundaryTest : public PluginTest {};

TEST_F(BoundaryTest, ExportsExactlyTheTenNamesAtTheirOrdinals) {
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      Base() + Directory(IMAGE_DIRECTORY_ENTRY_EXPORT).VirtualAddress);
  EXPECT_STREQ(reinterpret_cast<const char*>(Base() + exports->Name), "pellaxo.dll");
  ASSERT_EQ(exports->NumberOfNames, 10u);
  ASSERT_EQ(exports->NumberOfFunctions, 10u);
  EXPECT_EQ(exports->Base, 1u);
  const auto* names = reinterpret_cast<const DWORD*>(Base() + exports->AddressOfNames);
  const auto* ordinals = reinterpret_cast<const WORD*>(Base() + exports->AddressOfNameOrdinals);
  std::set<std::string> seen;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    const std::string name = reinterpret_cast<const char*>(Base() + names[i]);
    seen.insert(name);
    const ExportRow* row = nullptr;
    for (const ExportRow& r : kExports) {
      if (name == r.name) row = &r;
    }
    ASSERT_NE(row, nullptr) << "unexpected export " << name;
    EXPECT_EQ(ordinals[i] + exports->Base, row->ordinal) << name;
  }
  EXPECT_EQ(seen.size(), 10u);
  const HMODULE module = static_cast<HMODULE>(Plugin().module);
  for (const ExportRow& row : kExports) {
    FARPROC by_name = GetProcAddress(module, row.name);
    FARPROC by_ordinal = GetProcAddress(module, MAKEINTRESOURCEA(row.ordinal));
    EXPECT_NE(by_name, nullptr) << row.name;
    EXPECT_EQ(by_name, by_ordinal) << row.name;
  }
}

TEST_F(BoundaryTest, EachExportRemovesItsOwnArgumentBytes) {
  pellaxo::OpenArchiveRecord missing = {"no-such-disk.d64", 0, 0};
  pellaxo::HeaderRecord record;
  const uint32_t open_args[] = {static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&missing))};
  const uint32_t read_args[] = {0, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&record))};
  const uint32_t zeros[5] = {0, 0, 0, 0, 0};
  const HMODULE module = static_cast<HMODULE>(Plugin().module);
  g_boxes.clear();
  for (const ExportRow& row : kExports) {
    const uint32_t* args = zeros;
    if (std::strcmp(row.name, "OpenArchive") == 0) args = open_args;
    if (std::strcmp(row.name, "ReadHeader") == 0) args = read_args;
    int32_t removed = -1;
    CallMeasuringStack(reinterpret_cast<const void*>(GetProcAddress(module, row.name)), args,
                       row.arguments, &removed);
    EXPECT_EQ(removed, 4 * row.arguments) << row.name;
  }
  EXPECT_EQ(g_boxes.size(), 3u) << "PackFiles, DeleteFiles and ConfigurePacker show boxes";
}

TEST_F(BoundaryTest, ImportsOnlySystemLibraries) {
  const std::set<std::string> system = {"KERNEL32.DLL", "USER32.DLL", "MSVCRT.DLL"};
  for (const ImportedModule& module : Imports()) {
    std::string upper = module.name;
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(system.count(upper) == 1) << "imports " << module.name;
  }
}

}  // namespace

// Every box the DLL shows goes to the recorder: its import of MessageBoxA is
// patched once, right after loading.
void PrepareBoxCapture(void* module) {
  for (const ImportedModule& imported : Imports()) {
    if (_stricmp(imported.name.c_str(), "USER32.dll") != 0) continue;
    const IMAGE_THUNK_DATA* name = imported.names;
    IMAGE_THUNK_DATA* slot = imported.slots;
    for (; name->u1.AddressOfData != 0; ++name, ++slot) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* by_name = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(
          static_cast<const unsigned char*>(module) + name->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(by_name->Name), "MessageBoxA") != 0) continue;
      DWORD old_protection;
      VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE, &old_protection);
      slot->u1.Function = reinterpret_cast<uintptr_t>(&RecordMessageBox);
      VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, old_protection, &old_protection);
      return;
    }
  }
  std::fprintf(stderr, "pellaxo.dll imports no MessageBoxA to patch\n");
  std::abort();
}

void StartBoxCapture() {
  g_boxes.clear();
}

std::vector<ShownBox> StopBoxCapture() {
  std::vector<ShownBox> boxes;
  boxes.swap(g_boxes);
  return boxes;
}

bool BoxOwnerAndStyleSeen() {
  return true;
}
