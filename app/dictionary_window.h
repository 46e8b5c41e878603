#pragma once
#include <filesystem>
#include <memory>

#include "app/memory_settings_store.h"
#include "app/services.h"
#include "app/session_state.h"
#include "app/shell_services.h"

namespace lexorin {

class CatalogueController;
class LanguageController;
class LookupController;
class MainForm;
class RenderController;
class SettingsController;
class WordFormController;

// What the window is given from outside: where the program lives (its
// dictionaries are in the folder Data there) and the services that later
// parts of the program fill in.
struct WindowServices {
  std::filesystem::path programFolder;
  MessageService* messages = nullptr;          // required
  BaseFormFinder* baseForms = nullptr;         // default: the window's own finders
  SpeechOutput* speech = nullptr;              // default: silent
  KeyboardLayoutSwitch* keyboard = nullptr;    // default: the layout stays
  SettingsStore* settings = nullptr;           // default: a tree in memory only
  DocumentOpener* documents = nullptr;         // default: nothing opens
  TrayIcon* tray = nullptr;                    // default: no notification area
};

// The Dictionary window: the form and the controllers that give its menu
// items, lists and input boxes their behaviour. Creating it restores the
// stored settings; closing the form writes them back.
class DictionaryWindow {
 public:
  explicit DictionaryWindow(const WindowServices& services);
  ~DictionaryWindow();

  MainForm& form() { return *form_; }
  LanguageController& language() { return *language_; }
  CatalogueController& catalogue() { return *catalogue_; }
  RenderController& render() { return *render_; }
  LookupController& lookup() { return *lookup_; }
  WordFormController& wordForms() { return *wordForms_; }
  SettingsController& settings() { return *settings_; }
  SessionState& session() { return session_; }

 private:
  Silence silence_;
  FixedKeyboardLayout fixedLayout_;
  MemorySettingsStore memorySettings_;
  NoDocuments noDocuments_;
  NoTrayIcon noTrayIcon_;
  SessionState session_;
  std::unique_ptr<MainForm> form_;
  std::unique_ptr<LanguageController> language_;
  std::unique_ptr<RenderController> render_;
  std::unique_ptr<CatalogueController> catalogue_;
  std::unique_ptr<WordFormController> wordForms_;
  std::unique_ptr<LookupController> lookup_;
  std::unique_ptr<SettingsController> settings_;
};

}  // namespace lexorin
