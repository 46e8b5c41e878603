#pragma once
#include <map>
#include <variant>

#include "app/settings_store.h"

namespace lexorin {

// A settings tree held in memory only: the tree of a window that is not the
// program's own (tests, tools). Saving does nothing more.
class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<int32_t, std::string>;

  bool KeyExists(std::string_view key) override;
  std::optional<int32_t> ReadInteger(std::string_view key, std::string_view name) override;
  std::optional<std::string> ReadText(std::string_view key, std::string_view name) override;
  bool WriteInteger(std::string_view key, std::string_view name, int32_t value) override;
  bool WriteText(std::string_view key, std::string_view name, std::string_view value) override;
  bool DeleteTree() override;
  bool Save() override { return true; }

 private:
  const Value* Find(std::string_view key, std::string_view name) const;

  std::map<std::string, std::map<std::string, Value, std::less<>>, std::less<>> keys_;
};

}  // namespace lexorin
