#include "tests/hooklib/import_slots.h"

#include <dbghelp.h>
#include <tlhelp32.h>

namespace lexorin::hooklib::test {

namespace {

template <class Visit>
void forEachImportedDll(HMODULE module, Visit visit) {
  ULONG size = 0;
  auto* descriptor = static_cast<IMAGE_IMPORT_DESCRIPTOR*>(
      ImageDirectoryEntryToData(module, TRUE, IMAGE_DIRECTORY_ENTRY_IMPORT, &size));
  if (descriptor == nullptr) return;
  auto* base = reinterpret_cast<BYTE*>(module);
  for (; descriptor->Name != 0; ++descriptor) {
    auto* first = reinterpret_cast<void**>(base + descriptor->FirstThunk);
    void** last = first;
    while (*last != nullptr) ++last;
    visit(reinterpret_cast<const char*>(base + descriptor->Name), std::span<void*>(first, last));
  }
}

}  // namespace

std::vector<ImportSlot> snapshotImportSlots() {
  std::vector<ImportSlot> slots;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
  if (snapshot == INVALID_HANDLE_VALUE) return slots;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL found = Module32First(snapshot, &module); found; found = Module32Next(snapshot, &module)) {
    forEachImportedDll(module.hModule, [&](const char*, std::span<void*> table) {
      for (void*& entry : table) slots.push_back({&entry, entry});
    });
  }
  CloseHandle(snapshot);
  return slots;
}

std::span<void*> importAddressTable(HMODULE module, const char* dll) {
  std::span<void*> found;
  forEachImportedDll(module, [&](const char* name, std::span<void*> table) {
    if (found.empty() && lstrcmpiA(name, dll) == 0) found = table;
  });
  return found;
}

}  // namespace lexorin::hooklib::test
