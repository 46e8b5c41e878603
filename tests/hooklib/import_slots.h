#pragma once
// The import address tables of the modules of this process, read through the
// platform's image helper, to check what a capture leaves behind.
#include <windows.h>

#include <span>
#include <vector>

namespace lexorin::hooklib::test {

struct ImportSlot {
  void* const* address;
  const void* value;
  friend bool operator==(const ImportSlot&, const ImportSlot&) = default;
};

// Every import address table entry of every module loaded now.
std::vector<ImportSlot> snapshotImportSlots();

// The import address table through which `module` calls the functions of
// `dll` (empty when it imports nothing from it).
std::span<void*> importAddressTable(HMODULE module, const char* dll);

}  // namespace lexorin::hooklib::test
