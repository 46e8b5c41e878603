#include "app/desktop_services.h"

#include <QDesktopServices>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWidget>

namespace lexorin {

void DesktopDocumentOpener::Open(const std::filesystem::path& document) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(document.string())));
}

SystemTrayIcon::~SystemTrayIcon() { Remove(); }

bool SystemTrayIcon::Add(QWidget& window) {
  if (icon_) return true;
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  icon_ = new QSystemTrayIcon(window.windowIcon());
  icon_->setToolTip(window.windowTitle());
  QObject::connect(icon_, &QSystemTrayIcon::activated, icon_,
                   [target = QPointer<QWidget>(&window)](QSystemTrayIcon::ActivationReason reason) {
                     if (reason != QSystemTrayIcon::Trigger || !target) return;
                     target->showNormal();
                     target->raise();
                     target->activateWindow();
                   });
  icon_->show();
  return true;
}

void SystemTrayIcon::Remove() {
  delete icon_;
  icon_ = nullptr;
}

}  // namespace lexorin
