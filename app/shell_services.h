#pragma once
#include <filesystem>

class QWidget;

namespace lexorin {

// Opens a document in the desktop's program for it (the help documents in
// a browser). Documents that cannot be opened are not reported.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  virtual void Open(const std::filesystem::path& document) = 0;
};

// The program's icon in the desktop's notification area. A click on it
// brings `window` back.
class TrayIcon {
 public:
  virtual ~TrayIcon() = default;
  // False when the desktop has no notification area.
  virtual bool Add(QWidget& window) = 0;
  virtual void Remove() = 0;
};

// What a window that is not the program's own has: no documents are opened
// and there is no notification area.
class NoDocuments final : public DocumentOpener {
 public:
  void Open(const std::filesystem::path&) override {}
};
class NoTrayIcon final : public TrayIcon {
 public:
  bool Add(QWidget&) override { return false; }
  void Remove() override {}
};

}  // namespace lexorin
