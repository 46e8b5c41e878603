#include "hooklib/import_table.h"

#include <tlhelp32.h>

#include <cstdint>
#include <cstring>
#include <memory>

namespace lexorin::hooklib {

namespace {

constexpr bool kThirtyTwoBitProcess = sizeof(void*) == 4;
constexpr unsigned char kPushImmediateOpcode = 0x68;

std::uintptr_t highestApplicationAddress() {
  static const std::uintptr_t highest = [] {
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return reinterpret_cast<std::uintptr_t>(info.lpMaximumApplicationAddress);
  }();
  return highest;
}

const IMAGE_IMPORT_DESCRIPTOR* importDirectory(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE || nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR_MAGIC) return nullptr;
  if (nt->OptionalHeader.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_IMPORT) return nullptr;
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0 || directory.Size == 0) return nullptr;
  return reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
}

const IMAGE_IMPORT_DESCRIPTOR* importsFrom(HMODULE module, const char* calleeModule) {
  const IMAGE_IMPORT_DESCRIPTOR* descriptor = importDirectory(module);
  if (descriptor == nullptr) return nullptr;
  const auto* base = reinterpret_cast<const char*>(module);
  for (; descriptor->Name != 0; ++descriptor) {
    if (lstrcmpiA(base + descriptor->Name, calleeModule) == 0) return descriptor;
  }
  return nullptr;
}

bool isExecutable(DWORD protection) {
  return (protection & (PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY)) != 0;
}

// Import tables usually lie in read-only pages; open them for the one write.
bool writeProtectedMemory(void* location, const void* value, std::size_t size) {
  MEMORY_BASIC_INFORMATION page{};
  if (VirtualQuery(location, &page, sizeof page) == 0) return false;
  const DWORD writable = isExecutable(page.Protect) ? PAGE_EXECUTE_READWRITE : PAGE_READWRITE;
  DWORD previous = 0;
  if (!VirtualProtect(location, size, writable, &previous)) return false;
  std::memcpy(location, value, size);
  DWORD ignored = 0;
  VirtualProtect(location, size, previous, &ignored);
  FlushInstructionCache(GetCurrentProcess(), location, size);
  return true;
}

HMODULE moduleHoldingThisCode() {
  MEMORY_BASIC_INFORMATION memory{};
  if (VirtualQuery(reinterpret_cast<const void*>(&ReplaceImportInAllModules), &memory, sizeof memory) == 0) {
    return nullptr;
  }
  return static_cast<HMODULE>(memory.AllocationBase);
}

struct SnapshotCloser {
  void operator()(HANDLE snapshot) const { CloseHandle(snapshot); }
};

}  // namespace

void* pushThunkOperand(const void* address) {
  if constexpr (!kThirtyTwoBitProcess) {
    return nullptr;
  } else {
    if (reinterpret_cast<std::uintptr_t>(address) <= highestApplicationAddress()) return nullptr;
    auto* code = static_cast<unsigned char*>(const_cast<void*>(address));
    return *code == kPushImmediateOpcode ? code + 1 : nullptr;
  }
}

bool ReplaceImportInModule(const char* calleeModule, PROC current, PROC replacement, HMODULE module) {
  const IMAGE_IMPORT_DESCRIPTOR* descriptor = importsFrom(module, calleeModule);
  if (descriptor == nullptr) return false;
  auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(reinterpret_cast<BYTE*>(module) + descriptor->FirstThunk);
  const auto currentAddress = reinterpret_cast<std::uintptr_t>(current);
  for (; entry->u1.Function != 0; ++entry) {
    if (entry->u1.Function == currentAddress) {
      return writeProtectedMemory(&entry->u1.Function, &replacement, sizeof replacement);
    }
    if (void* operand = pushThunkOperand(reinterpret_cast<const void*>(entry->u1.Function))) {
      std::uint32_t pushed = 0;
      std::memcpy(&pushed, operand, sizeof pushed);
      if (pushed == currentAddress) {
        const auto replacementAddress = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(replacement));
        return writeProtectedMemory(operand, &replacementAddress, sizeof replacementAddress);
      }
    }
  }
  return false;
}

void ReplaceImportInAllModules(const char* calleeModule, PROC current, PROC replacement, bool excludeOwnModule) {
  const HMODULE ownModule = excludeOwnModule ? moduleHoldingThisCode() : nullptr;
  HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
  if (modules == INVALID_HANDLE_VALUE) return;
  const std::unique_ptr<void, SnapshotCloser> snapshot(modules);
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL found = Module32First(snapshot.get(), &module); found; found = Module32Next(snapshot.get(), &module)) {
    if (module.hModule != ownModule) ReplaceImportInModule(calleeModule, current, replacement, module.hModule);
  }
}

}  // namespace lexorin::hooklib
