#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lexorin {

// The per-user settings tree: keys, each holding named values. Integers are
// signed 32-bit; yes/no values are stored as the integers 0 and 1; texts are
// UTF-8.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // False also when the tree cannot be read at all.
  virtual bool KeyExists(std::string_view key) = 0;
  // Nothing when the value is missing, is not of the asked type or the tree
  // cannot be read.
  virtual std::optional<int32_t> ReadInteger(std::string_view key, std::string_view name) = 0;
  virtual std::optional<std::string> ReadText(std::string_view key, std::string_view name) = 0;
  // Writing creates the key. False when the value could not be written.
  virtual bool WriteInteger(std::string_view key, std::string_view name, int32_t value) = 0;
  virtual bool WriteText(std::string_view key, std::string_view name, std::string_view value) = 0;
  // Removes every key and value, including writes not yet saved. False when
  // the tree could not be removed.
  virtual bool DeleteTree() = 0;
  // Makes the writes since the last save lasting. The stored tree is
  // replaced in one step, so a failure leaves the previous tree whole. False
  // when nothing could be stored.
  virtual bool Save() = 0;
};

}  // namespace lexorin
