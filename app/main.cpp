// The Dictionary program: the main window over the dictionaries in the
// folder Data beside the program.
#include <QApplication>

#include "app/catalogue_controller.h"
#include "app/dictionary_window.h"
#include "app/main_form.h"
#include "app/message_box_service.h"
#include "app/x11_keyboard_layout.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Lexorin");
  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();

  lexorin::MessageBoxService messages;
  const auto keyboard = lexorin::MakeX11KeyboardLayoutSwitch();
  lexorin::DictionaryWindow window({programFolder, &messages, nullptr, nullptr, keyboard.get()});
  window.form().show();
  // Without a remembered group the program opens the editable dictionary.
  window.catalogue().ActivateGroup(lexorin::GroupId::Editable);
  return QApplication::exec();
}
