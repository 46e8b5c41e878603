#include "app/language_controller.h"

#include <QAction>
#include <QMenu>

#include "app/interface_captions.h"
#include "app/main_form.h"

namespace lexorin {

LanguageController::LanguageController(MainForm& form, MessageService& messages) : form_(form), messages_(messages) {
  QAction* item = form_.MenuItem("GiaodintingAnh1");
  item->setEnabled(true);
  // The item's own toggle inverts the mark before the command runs.
  QObject::connect(item, &QAction::triggered, item, [this] { ApplyInterfaceTable(Current()); });
}

InterfaceLanguage LanguageController::Current() const {
  return form_.MenuItem("GiaodintingAnh1")->isChecked() ? InterfaceLanguage::English : InterfaceLanguage::Vietnamese;
}

void LanguageController::GiaodintingAnh1Click() { form_.MenuItem("GiaodintingAnh1")->trigger(); }

void LanguageController::ApplyInterfaceTable(InterfaceLanguage language) {
  for (const CaptionRow& row : CaptionRows()) {
    const std::string_view caption = CaptionOf(row, language);
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    switch (row.kind) {
      case MenuRowKind::Menu: form_.Menu(row.item)->setTitle(text); break;
      case MenuRowKind::Item:
      case MenuRowKind::TopItem: form_.MenuItem(row.item)->setText(text); break;
      case MenuRowKind::Blank: break;
    }
  }
}

void LanguageController::ShowTableMessage(Message message, Waiting waiting) {
  ShowFixedMessage(MessageText(message, Current()), waiting);
}

void LanguageController::ShowFixedMessage(std::string_view text, Waiting waiting) {
  if (waiting == Waiting::No) {
    messages_.ShowWithoutWaiting(kMessageCaption, text);
  } else {
    messages_.Show(kMessageCaption, text);
  }
}

}  // namespace lexorin
