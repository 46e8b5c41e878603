#include "app/ini_settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <limits>

namespace lexorin {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString Path(std::string_view key, std::string_view name) { return Q(key) + u'/' + Q(name); }

}  // namespace

IniSettingsStore::IniSettingsStore(QString file) : file_(std::move(file)) {}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::UserFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tavrel/Dictionary.ini";
}

QSettings& IniSettingsStore::Open() {
  if (!settings_) {
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    // Never fall back to writing the file in place.
    settings_->setAtomicSyncRequired(true);
    readable_ = settings_->status() == QSettings::NoError;
  }
  return *settings_;
}

std::optional<QVariant> IniSettingsStore::Value(std::string_view key, std::string_view name) {
  QSettings& settings = Open();
  if (!readable_) return std::nullopt;
  QVariant value = settings.value(Path(key, name));
  if (!value.isValid()) return std::nullopt;
  return value;
}

bool IniSettingsStore::KeyExists(std::string_view key) {
  QSettings& settings = Open();
  return readable_ && settings.childGroups().contains(Q(key));
}

std::optional<int32_t> IniSettingsStore::ReadInteger(std::string_view key, std::string_view name) {
  const auto value = Value(key, name);
  if (!value) return std::nullopt;
  bool ok = false;
  qlonglong number = 0;
  switch (value->typeId()) {
    case QMetaType::QString: number = value->toString().toLongLong(&ok, 10); break;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: number = value->toLongLong(&ok); break;
    default: return std::nullopt;
  }
  if (!ok || number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(number);
}

std::optional<std::string> IniSettingsStore::ReadText(std::string_view key, std::string_view name) {
  const auto value = Value(key, name);
  if (!value || value->typeId() != QMetaType::QString) return std::nullopt;
  return value->toString().toStdString();
}

bool IniSettingsStore::WriteInteger(std::string_view key, std::string_view name, int32_t value) {
  Open().setValue(Path(key, name), value);
  return true;
}

bool IniSettingsStore::WriteText(std::string_view key, std::string_view name, std::string_view value) {
  Open().setValue(Path(key, name), Q(value));
  return true;
}

bool IniSettingsStore::DeleteTree() {
  settings_.reset();
  return !QFile::exists(file_) || QFile::remove(file_);
}

bool IniSettingsStore::Save() {
  if (!settings_) return true;
  settings_->sync();
  const bool saved = settings_->status() != QSettings::AccessError;
  // The next step reads the file afresh.
  settings_.reset();
  return saved;
}

}  // namespace lexorin
