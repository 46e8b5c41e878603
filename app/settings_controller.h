#pragma once
#include <QObject>
#include <filesystem>

#include "app/form_settings.h"
#include "app/services.h"
#include "app/shell_services.h"

namespace lexorin {

class CatalogueController;
class LanguageController;
class MainForm;
class RenderController;

// The window's life: restoring the settings when it is created, re-applying
// the restored modes when it is first shown, writing the settings back when
// it closes, the notification-area icon, and the "Default settings"
// command.
class SettingsController : public QObject {
  Q_OBJECT
 public:
  struct Services {
    SettingsStore& store;
    DocumentOpener& documents;
    TrayIcon& tray;
    SpeechOutput& speech;
  };

  SettingsController(MainForm& form, SessionState& session, LanguageController& language, RenderController& render,
                     CatalogueController& catalogue, std::filesystem::path programFolder, const Services& services);

  // The window was created: the tray icon, the version check, every stored
  // value, and the FAQ document while it is wanted at start.
  void FormCreate();
  // The window is shown for the first time: the restored mini mode, "stay on
  // top", the welcome words and the capture modes take effect.
  void FormShow();
  // The window closes: the render workers stop, and the settings are
  // written unless "Default settings" ran.
  void FormClose();
  // The window goes: the tray icon goes with it.
  void FormDestroy();
  // "Default settings": deletes the stored tree; this run writes none.
  void Thitlpmcdnh1Click();
  // "Do not show on startup": the FAQ stops opening at start, stored at once.
  void Khonghinthkhikhidng1Click();

  // A start with arguments: the window lives in the tray, or is minimised
  // on a desktop without one, from where it could never come back.
  void HideAtStart();
  // Activates the group that was active at the last exit.
  void ActivateSavedGroup();

  bool TrayIconShown() const { return trayIconShown_; }
  std::filesystem::path HelpDocument(std::string_view name) const { return programFolder_ / name; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RestorePath();
  void ShowHelpAtStart();

  MainForm& form_;
  SessionState& session_;
  LanguageController& language_;
  RenderController& render_;
  std::filesystem::path programFolder_;
  Services services_;
  FormSettings live_;
  bool trayIconShown_ = false;
};

}  // namespace lexorin
