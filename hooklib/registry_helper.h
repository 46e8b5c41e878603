#pragma once
#include <cstdint>

namespace lexorin::hooklib {

// Reads one REG_DWORD under HKEY_CURRENT_USER.
class RegistryHelper {
 public:
  virtual ~RegistryHelper() = default;

  // The value as a number, whatever its registry type, or 0xFFFFFFFF when
  // the key cannot be opened, the value is missing or does not fit in 4
  // bytes, or the key cannot be closed.
  std::uint32_t ReadDword(const char* subkey, const char* valueName) const;
};

}  // namespace lexorin::hooklib
