#include "app/program_start.h"

#include "app/dictionary_window.h"
#include "app/main_form.h"
#include "app/settings_controller.h"

namespace lexorin {

void StartDictionaryWindow(DictionaryWindow& window, StartMode mode) {
  MainForm& form = window.form();
  form.show();
  window.settings().FormShow();
  form.repaint();
  if (mode == StartMode::Hidden) window.settings().HideAtStart();
  window.settings().ActivateSavedGroup();
}

}  // namespace lexorin
