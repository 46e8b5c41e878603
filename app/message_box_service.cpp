#include "app/message_box_service.h"

#include <QMessageBox>

namespace lexorin {

void MessageBoxService::Show(std::string_view caption, std::string_view text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                  QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box.exec();
}

void MessageBoxService::ShowWithoutWaiting(std::string_view caption, std::string_view text) {
  auto* box = new QMessageBox(QMessageBox::NoIcon,
                              QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                              QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), QMessageBox::Ok);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

}  // namespace lexorin
