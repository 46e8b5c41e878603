#include <doctest/doctest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "hooklib/api_hook.h"
#include "tests/hooklib/import_slots.h"

// This program holds its own copy of the engine, so its hooks here include
// its own module (the last constructor argument is false) and the calls
// below go through the redirected import entries.

using lexorin::hooklib::ApiHook;

namespace {

UINT WINAPI fakeGetTextAlign(HDC) { return 0x1234; }
COLORREF WINAPI fakeGetTextColor(HDC) { return 0x00ABCDEF; }
COLORREF WINAPI fakeGetBkColor(HDC) { return 0x00FEDCBA; }

template <class Function>
PROC asProc(Function* function) {
  return reinterpret_cast<PROC>(reinterpret_cast<void*>(function));
}

__attribute__((noinline)) UINT callGetTextAlign() { return GetTextAlign(nullptr); }
__attribute__((noinline)) COLORREF callGetTextColor() { return GetTextColor(nullptr); }

std::vector<std::string> liveHookNames() {
  std::vector<std::string> names;
  for (const ApiHook* hook = ApiHook::liveList(); hook != nullptr; hook = hook->next()) {
    names.push_back(hook->functionName());
  }
  return names;
}

DWORD protectionOf(const void* address) {
  MEMORY_BASIC_INFORMATION memory{};
  VirtualQuery(address, &memory, sizeof memory);
  return memory.Protect;
}

}  // namespace

TEST_CASE("a hook redirects a function for its lifetime and then restores the import entries") {
  const UINT real = callGetTextAlign();
  const auto slotsBefore = lexorin::hooklib::test::snapshotImportSlots();
  {
    // The module name is matched whatever its case.
    ApiHook hook("gDI32.dLL", "GetTextAlign", asProc(fakeGetTextAlign), false);
    CHECK(reinterpret_cast<void*>(hook.original()) ==
          reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("gdi32.dll"), "GetTextAlign")));
    CHECK(callGetTextAlign() == 0x1234);
    CHECK(lexorin::hooklib::test::snapshotImportSlots() != slotsBefore);
  }
  CHECK(callGetTextAlign() == real);
  CHECK(lexorin::hooklib::test::snapshotImportSlots() == slotsBefore);
}

TEST_CASE("live hooks are listed newest first and leave the list wherever they stand") {
  REQUIRE(ApiHook::liveList() == nullptr);
  auto align = std::make_unique<ApiHook>("Gdi32.dll", "GetTextAlign", asProc(fakeGetTextAlign), false);
  auto text = std::make_unique<ApiHook>("Gdi32.dll", "GetTextColor", asProc(fakeGetTextColor), false);
  auto background = std::make_unique<ApiHook>("Gdi32.dll", "GetBkColor", asProc(fakeGetBkColor), false);
  CHECK(liveHookNames() == std::vector<std::string>{"GetBkColor", "GetTextColor", "GetTextAlign"});

  text.reset();  // from the middle
  CHECK(liveHookNames() == std::vector<std::string>{"GetBkColor", "GetTextAlign"});
  CHECK(callGetTextColor() != 0x00ABCDEF);
  CHECK(callGetTextAlign() == 0x1234);

  background.reset();  // the head
  align.reset();       // the last one
  CHECK(ApiHook::liveList() == nullptr);
}

TEST_CASE("an import table in read-only pages is redirected and keeps its protection") {
  const std::span<void*> table = lexorin::hooklib::test::importAddressTable(GetModuleHandleA(nullptr), "gdi32.dll");
  REQUIRE_FALSE(table.empty());
  const std::size_t bytes = table.size_bytes();
  DWORD original = 0;
  REQUIRE(VirtualProtect(table.data(), bytes, PAGE_READONLY, &original));

  {
    ApiHook hook("Gdi32.dll", "GetTextAlign", asProc(fakeGetTextAlign), false);
    CHECK(callGetTextAlign() == 0x1234);
    CHECK(protectionOf(table.data()) == PAGE_READONLY);
  }
  CHECK(callGetTextAlign() != 0x1234);
  CHECK(protectionOf(table.data()) == PAGE_READONLY);

  DWORD ignored = 0;
  VirtualProtect(table.data(), bytes, original, &ignored);
}
