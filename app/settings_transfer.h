#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "app/group_marks.h"
#include "app/settings_schema.h"
#include "app/settings_store.h"

namespace lexorin {

// A value as it travels between the store and the running program: an
// integer (also yes/no as 0 or 1) or a text.
using StoredData = std::variant<int32_t, std::string>;

// The running program's side of every stored value.
class LiveSettings {
 public:
  virtual ~LiveSettings() = default;
  // The live state the value stands for; nothing leaves the value unwritten.
  virtual std::optional<StoredData> Get(const StoredValue& value) = 0;
  // Applies a value read from the store; its type matches the value's kind.
  virtual void Set(const StoredValue& value, const StoredData& data) = 0;
};

// The version check at start: a tree that is missing, unreadable or stamped
// by another version is deleted whole and stamped anew, so nothing of it is
// read. True when the tree was deleted.
bool EnsureCurrentVersion(SettingsStore& store);

// Reads every group that is read at start and whose key exists, in table
// order, and hands each value found to `live`.
void RestoreSettings(SettingsStore& store, LiveSettings& live);

// Writes every group, in table order.
void StoreSettings(SettingsStore& store, LiveSettings& live);

// The group activated at start for the saved name: the four groups by
// their exact names; the editable dictionary for anything else, a missing
// name included.
GroupId GroupToActivateAtStart(std::optional<std::string_view> savedName);

// The name saved for the active group: the first checked of the Russian,
// English, French and editable groups, otherwise the selectable dictionary.
std::string_view SavedNameOfActiveGroup(const GroupMarks& marks);

}  // namespace lexorin
