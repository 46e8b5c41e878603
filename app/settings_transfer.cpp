#include "app/settings_transfer.h"

namespace lexorin {
namespace {

std::optional<StoredData> Read(SettingsStore& store, std::string_view key, const StoredValue& value) {
  switch (value.kind) {
    case ValueKind::Flag:
      if (const auto flag = store.ReadInteger(key, value.name)) return StoredData(*flag != 0 ? 1 : 0);
      return std::nullopt;
    case ValueKind::Integer:
      if (const auto integer = store.ReadInteger(key, value.name)) return StoredData(*integer);
      return std::nullopt;
    case ValueKind::Text:
      if (auto text = store.ReadText(key, value.name)) return StoredData(std::move(*text));
      return std::nullopt;
  }
  return std::nullopt;
}

bool Write(SettingsStore& store, std::string_view key, const StoredValue& value, const StoredData& data) {
  if (value.kind == ValueKind::Text) {
    const auto* text = std::get_if<std::string>(&data);
    return text && store.WriteText(key, value.name, *text);
  }
  const auto* integer = std::get_if<int32_t>(&data);
  if (!integer) return false;
  const int32_t stored = value.kind == ValueKind::Flag ? (*integer != 0 ? 1 : 0) : *integer;
  return store.WriteInteger(key, value.name, stored);
}

}  // namespace

bool EnsureCurrentVersion(SettingsStore& store) {
  if (store.KeyExists(kVersionKey) && store.ReadText(kVersionKey, kVersionValue) == kVersionStamp) return false;
  store.DeleteTree();
  store.WriteText(kVersionKey, kVersionValue, kVersionStamp);
  return true;
}

void RestoreSettings(SettingsStore& store, LiveSettings& live) {
  for (const StoredGroup& group : StoredGroups()) {
    if (group.reading != Reading::AtCreateWhenKeyExists || !store.KeyExists(group.key)) continue;
    for (const StoredValue& value : group.values) {
      const auto data = Read(store, group.key, value);
      if (data) {
        live.Set(value, *data);
      } else if (group.guard == Guard::WholeBlock) {
        break;
      }
    }
  }
}

void StoreSettings(SettingsStore& store, LiveSettings& live) {
  for (const StoredGroup& group : StoredGroups()) {
    for (const StoredValue& value : group.values) {
      const auto data = live.Get(value);
      const bool written = data && Write(store, group.key, value, *data);
      if (!written && group.guard == Guard::WholeBlock) break;
    }
  }
}

GroupId GroupToActivateAtStart(std::optional<std::string_view> savedName) {
  for (const GroupId group : {GroupId::Russian, GroupId::English, GroupId::French, GroupId::Selectable}) {
    if (savedName == Group(group).savedName) return group;
  }
  return GroupId::Editable;
}

std::string_view SavedNameOfActiveGroup(const GroupMarks& marks) {
  for (const GroupId group : {GroupId::Russian, GroupId::English, GroupId::French, GroupId::Editable}) {
    if (marks[static_cast<size_t>(group)]) return Group(group).savedName;
  }
  return Group(GroupId::Selectable).savedName;
}

}  // namespace lexorin
