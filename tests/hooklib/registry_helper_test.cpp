#include <doctest/doctest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "hooklib/registry_helper.h"

using lexorin::hooklib::RegistryHelper;

namespace {

constexpr char kTestKey[] = "Software\\Lexorin hooklib test";

struct StoredValue {
  const char* name;
  DWORD type;
  std::vector<BYTE> bytes;
};

}  // namespace

TEST_CASE("ReadDword reads 4 bytes of any type and -1 for whatever it cannot read") {
  const StoredValue stored[] = {
      {"dword", REG_DWORD, {0x11, 0, 0, 0}},
      {"zero", REG_DWORD, {0, 0, 0, 0}},
      {"binary", REG_BINARY, {0x01, 0x02, 0x03, 0x04}},
      {"short", REG_BINARY, {0x34, 0x12}},
      {"qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"long binary", REG_BINARY, {1, 2, 3, 4, 5}},
  };
  HKEY key = nullptr;
  REQUIRE(RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) ==
          ERROR_SUCCESS);
  for (const StoredValue& value : stored) {
    RegSetValueExA(key, value.name, 0, value.type, value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
  }
  RegCloseKey(key);

  struct Case {
    const char* subkey;
    const char* name;
    std::uint32_t expected;
  };
  const Case cases[] = {
      {kTestKey, "dword", 0x11},
      {kTestKey, "zero", 0},
      {kTestKey, "binary", 0x04030201},             // the type is ignored
      {kTestKey, "short", 0x1234},                  // fewer than 4 bytes fit
      {kTestKey, "qword", 0xFFFFFFFF},              // 8 bytes do not
      {kTestKey, "long binary", 0xFFFFFFFF},
      {kTestKey, "missing", 0xFFFFFFFF},
      {"Software\\Lexorin no such key", "dword", 0xFFFFFFFF},
  };
  const RegistryHelper registry;
  for (const Case& c : cases) {
    INFO("value: " << std::string(c.name));
    CHECK(registry.ReadDword(c.subkey, c.name) == c.expected);
  }
  RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
}
