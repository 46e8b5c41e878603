#include "app/memory_settings_store.h"

namespace lexorin {

const MemorySettingsStore::Value* MemorySettingsStore::Find(std::string_view key, std::string_view name) const {
  const auto values = keys_.find(key);
  if (values == keys_.end()) return nullptr;
  const auto value = values->second.find(name);
  return value == values->second.end() ? nullptr : &value->second;
}

bool MemorySettingsStore::KeyExists(std::string_view key) { return keys_.find(key) != keys_.end(); }

std::optional<int32_t> MemorySettingsStore::ReadInteger(std::string_view key, std::string_view name) {
  const Value* value = Find(key, name);
  const auto* integer = value ? std::get_if<int32_t>(value) : nullptr;
  return integer ? std::optional(*integer) : std::nullopt;
}

std::optional<std::string> MemorySettingsStore::ReadText(std::string_view key, std::string_view name) {
  const Value* value = Find(key, name);
  const auto* text = value ? std::get_if<std::string>(value) : nullptr;
  return text ? std::optional(*text) : std::nullopt;
}

bool MemorySettingsStore::WriteInteger(std::string_view key, std::string_view name, int32_t value) {
  keys_[std::string(key)][std::string(name)] = value;
  return true;
}

bool MemorySettingsStore::WriteText(std::string_view key, std::string_view name, std::string_view value) {
  keys_[std::string(key)][std::string(name)] = std::string(value);
  return true;
}

bool MemorySettingsStore::DeleteTree() {
  keys_.clear();
  return true;
}

}  // namespace lexorin
