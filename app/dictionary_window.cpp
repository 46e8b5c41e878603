#include "app/dictionary_window.h"

#include "app/catalogue_controller.h"
#include "app/language_controller.h"
#include "app/lookup_controller.h"
#include "app/main_form.h"
#include "app/render_controller.h"
#include "app/settings_controller.h"
#include "app/word_form_controller.h"

namespace lexorin {

DictionaryWindow::DictionaryWindow(const WindowServices& services)
    : form_(std::make_unique<MainForm>()),
      language_(std::make_unique<LanguageController>(*form_, *services.messages)),
      render_(std::make_unique<RenderController>(*form_, *language_)),
      catalogue_(std::make_unique<CatalogueController>(*form_, *language_, services.programFolder)),
      wordForms_(std::make_unique<WordFormController>(*form_, *render_)),
      lookup_(std::make_unique<LookupController>(*form_, *render_,
                                                 services.baseForms ? *services.baseForms : *wordForms_,
                                                 services.speech ? *services.speech : silence_,
                                                 services.keyboard ? *services.keyboard : fixedLayout_)),
      settings_(std::make_unique<SettingsController>(
          *form_, session_, *language_, *render_, *catalogue_, services.programFolder,
          SettingsController::Services{services.settings ? *services.settings : memorySettings_,
                                       services.documents ? *services.documents : noDocuments_,
                                       services.tray ? *services.tray : noTrayIcon_,
                                       services.speech ? *services.speech : silence_})) {
  settings_->FormCreate();
}

DictionaryWindow::~DictionaryWindow() {
  settings_->FormDestroy();
  settings_.reset();
  // No worker may outlive the views it writes to.
  render_->StopAll();
  lookup_.reset();
  wordForms_.reset();
  catalogue_.reset();
  form_.reset();
}

}  // namespace lexorin
