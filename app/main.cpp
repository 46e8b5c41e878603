// The Dictionary program: the main window over the dictionaries in the
// folder Data beside the program. Any argument starts it in the
// notification area.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <exception>

#include "app/desktop_services.h"
#include "app/dictionary_window.h"
#include "app/ini_settings_store.h"
#include "app/message_box_service.h"
#include "app/program_icon.h"
#include "app/program_start.h"
#include "app/x11_keyboard_layout.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Lexorin");
  QApplication::setWindowIcon(lexorin::MakeProgramIcon());
  // Relative paths (Data/..., the help documents) are taken from the
  // program's folder, wherever the program was started from.
  const QString programFolder = QCoreApplication::applicationDirPath();
  QDir::setCurrent(programFolder);

  try {
    lexorin::MessageBoxService messages;
    const auto keyboard = lexorin::MakeX11KeyboardLayoutSwitch();
    lexorin::IniSettingsStore settings(lexorin::IniSettingsStore::UserFile());
    lexorin::DesktopDocumentOpener documents;
    lexorin::SystemTrayIcon tray;
    lexorin::DictionaryWindow window({programFolder.toStdString(), &messages, nullptr, nullptr, keyboard.get(),
                                      &settings, &documents, &tray});
    lexorin::StartDictionaryWindow(window, argc > 1 ? lexorin::StartMode::Hidden : lexorin::StartMode::Shown);
    return QApplication::exec();
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, "Lexorin", QString::fromUtf8(error.what()));
    return 1;
  }
}
