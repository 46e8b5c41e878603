#pragma once
#include "app/selectable_paths.h"
#include "app/session_state.h"
#include "app/settings_transfer.h"

namespace lexorin {

class LanguageController;
class MainForm;

// The stored values as the running window holds them: check marks, window
// and splitter positions, the fonts of the input boxes and word lists, the
// word lists' sizes, the selectable dictionary's paths and the session's
// counters.
class FormSettings final : public LiveSettings {
 public:
  FormSettings(MainForm& form, SessionState& session, SelectablePaths& selectablePaths, LanguageController& language);

  std::optional<StoredData> Get(const StoredValue& value) override;
  void Set(const StoredValue& value, const StoredData& data) override;

 private:
  std::string& SelectablePath(size_t index);

  MainForm& form_;
  SessionState& session_;
  SelectablePaths& selectablePaths_;
  LanguageController& language_;
};

}  // namespace lexorin
