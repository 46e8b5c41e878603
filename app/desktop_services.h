#pragma once

#include "app/shell_services.h"

class QSystemTrayIcon;

namespace lexorin {

// Opens documents with the desktop's program for their type.
class DesktopDocumentOpener final : public DocumentOpener {
 public:
  void Open(const std::filesystem::path& document) override;
};

// A notification-area icon showing the window's icon; a left click shows
// the window again, raised and active.
class SystemTrayIcon final : public TrayIcon {
 public:
  ~SystemTrayIcon() override;
  bool Add(QWidget& window) override;
  void Remove() override;

 private:
  QSystemTrayIcon* icon_ = nullptr;
};

}  // namespace lexorin
