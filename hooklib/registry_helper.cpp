#include "hooklib/registry_helper.h"

#include <windows.h>

#include "hooklib/capture_settings.h"

namespace lexorin::hooklib {

std::uint32_t RegistryHelper::ReadDword(const char* subkey, const char* valueName) const {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return kUnreadableValue;
  DWORD value = 0;
  DWORD size = sizeof value;
  const LONG read = RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
  const LONG closed = RegCloseKey(key);
  if (read != ERROR_SUCCESS || closed != ERROR_SUCCESS) return kUnreadableValue;
  return value;
}

}  // namespace lexorin::hooklib
