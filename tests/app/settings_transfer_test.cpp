#include "app/settings_transfer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/memory_settings_store.h"

namespace lexorin {
namespace {

// Live state as a map from value name to data: what the store handed over,
// and what is there to write.
class MapLiveSettings final : public LiveSettings {
 public:
  std::optional<StoredData> Get(const StoredValue& value) override {
    const auto found = values.find(value.name);
    if (found != values.end()) return found->second;
    if (value.kind == ValueKind::Text) return std::string("text of " + value.name);
    return 7;
  }
  void Set(const StoredValue& value, const StoredData& data) override { values[value.name] = data; }

  std::map<std::string, StoredData> values;
};

// A store in which chosen values cannot be written.
class StoreFailingWrites final : public MemorySettingsStore {
 public:
  explicit StoreFailingWrites(std::set<std::string> failing) : failing_(std::move(failing)) {}
  bool WriteInteger(std::string_view key, std::string_view name, int32_t value) override {
    return !failing_.contains(std::string(name)) && MemorySettingsStore::WriteInteger(key, name, value);
  }
  bool WriteText(std::string_view key, std::string_view name, std::string_view value) override {
    return !failing_.contains(std::string(name)) && MemorySettingsStore::WriteText(key, name, value);
  }

 private:
  std::set<std::string> failing_;
};

TEST(SettingsTransfer, ReadsEachGuardedValueAloneAndStopsABlockAtItsFirstGap) {
  MemorySettingsStore store;
  store.WriteText("Options", "AutoTranslate", "not a number");  // foreign type: skipped alone
  store.WriteInteger("Options", "AutoSpeak", 5);                 // flags read as 0 or 1
  store.WriteInteger("Options", "MiniMode", -3);
  store.WriteInteger("SpeechEngine", "engineru", 2);
  store.WriteInteger("SpeechEngine", "enginefr", 4);             // after the gap: unread
  store.WriteText("DicActive", "UserList", "a.index1");
  store.WriteText("DicActive", "UserSeg", "a.index2");
  store.WriteText("DicActive", "UserOff", "a.index3");
  store.WriteText("DicActive", "UserDict", "a.dict");
  store.WriteText("DicActive", "DicActive", "AnhVietAnh");       // read by the entry point only
  store.WriteInteger("Words", "NgaViet", 12);                     // never read

  MapLiveSettings live;
  RestoreSettings(store, live);

  const std::map<std::string, StoredData> expected = {
      {"AutoSpeak", 1},
      {"MiniMode", -3},
      {"engineru", 2},
      {"UserList", std::string("a.index1")},
      {"UserSeg", std::string("a.index2")},
      {"UserOff", std::string("a.index3")},
      {"UserDict", std::string("a.dict")},
  };
  EXPECT_EQ(live.values, expected);
}

TEST(SettingsTransfer, AFailedWriteEndsABlockButSkipsOnlyItselfElsewhere) {
  StoreFailingWrites store({"UserSeg", "engineen", "AutoTranslate", "FormTop"});
  MapLiveSettings live;
  StoreSettings(store, live);

  struct Case {
    std::string_view key;
    std::string_view name;
    bool written;
  };
  const Case cases[] = {
      {"Options", "AutoTranslate", false}, {"Options", "AutoFindInfinitive", true}, {"Options", "Language", true},
      {"Positions", "FormTop", false},     {"Positions", "FormLeft", true},         {"DicActive", "DicActive", true},
      {"DicActive", "UserList", true},     {"DicActive", "UserOff", false},         {"DicActive", "UserDict", false},
      {"SpeechEngine", "engineru", true},  {"SpeechEngine", "enginefr", false},     {"Words", "Tunhap", true},
      {"Font", "TntListBox13FontColor", true},
  };
  for (const Case& c : cases) {
    const bool written = store.ReadInteger(c.key, c.name) || store.ReadText(c.key, c.name);
    EXPECT_EQ(written, c.written) << c.key << "/" << c.name;
  }
}

TEST(SettingsTransfer, WritesFlagsAsZeroOrOne) {
  MemorySettingsStore store;
  MapLiveSettings live;
  live.values["OnTop"] = 9;
  live.values["NoChangeUserDic"] = 0;
  live.values["MiniMode"] = 9;
  StoreSettings(store, live);
  EXPECT_EQ(store.ReadInteger("Options", "OnTop"), 1);
  EXPECT_EQ(store.ReadInteger("Options", "NoChangeUserDic"), 0);
  EXPECT_EQ(store.ReadInteger("Options", "MiniMode"), 9);
}

TEST(SettingsTransfer, VersionCheckWipesEveryTreeButTheCurrentOne) {
  struct Case {
    std::optional<std::string_view> stamp;
    bool wiped;
  };
  const Case cases[] = {
      {"Lexorin 9.0", false}, {"Lexorin 8.0", true}, {"lexorin 9.0", true},
      {"Lexorin 9.0 ", true}, {"", true},            {std::nullopt, true},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store;
    store.WriteInteger("Options", "OnTop", 1);
    if (c.stamp) store.WriteText("Version", "Verion", *c.stamp);
    EXPECT_EQ(EnsureCurrentVersion(store), c.wiped) << c.stamp.value_or("(none)");
    EXPECT_EQ(store.KeyExists("Options"), !c.wiped) << c.stamp.value_or("(none)");
    EXPECT_EQ(store.ReadText("Version", "Verion"), "Lexorin 9.0");
  }
}

TEST(SettingsTransfer, SavedGroupNamesMapBothWays) {
  struct Case {
    std::optional<std::string_view> saved;
    GroupId activated;
  };
  const Case cases[] = {
      {"NgaVietNga", GroupId::Russian}, {"AnhVietAnh", GroupId::English}, {"PhapVietViet", GroupId::French},
      {"Tuchon", GroupId::Selectable},  {"Tunhap", GroupId::Editable},    {"", GroupId::Editable},
      {"tuchon", GroupId::Editable},    {std::nullopt, GroupId::Editable},
  };
  for (const Case& c : cases) EXPECT_EQ(GroupToActivateAtStart(c.saved), c.activated) << c.saved.value_or("(none)");

  for (const GroupInfo& group : Groups()) {
    EXPECT_EQ(GroupToActivateAtStart(SavedNameOfActiveGroup(MarksFor(group.id))), group.id) << group.savedName;
  }
  EXPECT_EQ(SavedNameOfActiveGroup(GroupMarks{}), "Tuchon");
}

}  // namespace
}  // namespace lexorin
