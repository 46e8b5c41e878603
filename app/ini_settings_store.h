#pragma once
#include <QString>
#include <memory>

#include "app/settings_store.h"

class QSettings;

namespace lexorin {

// The settings tree in an INI file: each key is a section, each value a
// line. The file is read afresh for each start or exit step and replaced in
// one rename when saved, so a crash while saving leaves the previous file
// whole. A file that cannot be read or parsed counts as a tree that cannot
// be opened.
class IniSettingsStore final : public SettingsStore {
 public:
  explicit IniSettingsStore(QString file);
  ~IniSettingsStore() override;

  // $XDG_CONFIG_HOME/Tavrel/Dictionary.ini (~/.config when the variable is
  // not set).
  static QString UserFile();

  const QString& file() const { return file_; }

  bool KeyExists(std::string_view key) override;
  std::optional<int32_t> ReadInteger(std::string_view key, std::string_view name) override;
  std::optional<std::string> ReadText(std::string_view key, std::string_view name) override;
  bool WriteInteger(std::string_view key, std::string_view name, int32_t value) override;
  bool WriteText(std::string_view key, std::string_view name, std::string_view value) override;
  bool DeleteTree() override;
  bool Save() override;

 private:
  QSettings& Open();
  std::optional<QVariant> Value(std::string_view key, std::string_view name);

  QString file_;
  std::unique_ptr<QSettings> settings_;
  bool readable_ = false;
};

}  // namespace lexorin
