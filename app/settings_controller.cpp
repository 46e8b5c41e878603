#include "app/settings_controller.h"

#include <QAction>
#include <QEvent>

#include "app/catalogue_controller.h"
#include "app/language_controller.h"
#include "app/main_form.h"
#include "app/render_controller.h"

namespace lexorin {
namespace {

constexpr std::u16string_view kWelcomeWords = u"Wellcome to Lexorin";

// Re-runs the command of an item as a click would, once the item has a
// command at all: until then the item keeps its mark for the next exit.
bool ClickIfItHasACommand(QAction& item) {
  if (!item.isEnabled()) return false;
  item.trigger();
  return true;
}

}  // namespace

SettingsController::SettingsController(MainForm& form, SessionState& session, LanguageController& language,
                                       RenderController& render, CatalogueController& catalogue,
                                       std::filesystem::path programFolder, const Services& services)
    : form_(form),
      session_(session),
      language_(language),
      render_(render),
      programFolder_(std::move(programFolder)),
      services_(services),
      live_(form, session, catalogue.selectablePaths(), language) {
  QAction* defaults = form_.MenuItem("Thitlpmcdnh1");
  defaults->setEnabled(true);
  connect(defaults, &QAction::triggered, this, &SettingsController::Thitlpmcdnh1Click);
  QAction* noHelp = form_.MenuItem("Khonghinthkhikhidng1");
  noHelp->setEnabled(true);
  connect(noHelp, &QAction::triggered, this, &SettingsController::Khonghinthkhikhidng1Click);
  // Exit closes the main window, which writes the settings back.
  QAction* exit = form_.MenuItem("Thoat2");
  exit->setEnabled(true);
  connect(exit, &QAction::triggered, &form_, &QWidget::close);
  form_.installEventFilter(this);
}

bool SettingsController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &form_ && event->type() == QEvent::Close) FormClose();
  return false;
}

void SettingsController::FormCreate() {
  trayIconShown_ = services_.tray.Add(form_);
  EnsureCurrentVersion(services_.store);
  RestoreSettings(services_.store, live_);
  RestorePath();
  ShowHelpAtStart();
  services_.store.Save();
}

void SettingsController::RestorePath() {
  if (services_.store.KeyExists(kPathKey)) return;
  services_.store.WriteText(kPathKey, kPathValue, programFolder_.string());
}

void SettingsController::ShowHelpAtStart() {
  SettingsStore& store = services_.store;
  bool show = true;
  if (store.KeyExists(kShowHelpKey)) {
    show = store.ReadInteger(kShowHelpKey, kShowHelpValue).value_or(0) != 0;
  } else {
    store.WriteInteger(kShowHelpKey, kShowHelpValue, 1);
  }
  if (show) services_.documents.Open(HelpDocument("FAQ.mht"));
}

void SettingsController::Khonghinthkhikhidng1Click() {
  services_.store.WriteInteger(kShowHelpKey, kShowHelpValue, 0);
  services_.store.Save();
}

void SettingsController::FormShow() {
  if (session_.miniModeCounter != 0) {
    // The mini-mode command advances the counter again.
    --session_.miniModeCounter;
    if (!ClickIfItHasACommand(*form_.MenuItem("Chdthugn1"))) ++session_.miniModeCounter;
  }
  if (form_.MenuItem("Luonhinth1")->isChecked()) {
    form_.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    form_.show();
  }
  if (form_.MenuItem("Tdngphatam1")->isChecked()) services_.speech.SpeakForGroup(GroupId::English, kWelcomeWords);
  for (const std::string_view name : CaptureModeItems()) {
    QAction& item = *form_.MenuItem(name);
    if (!item.isChecked() || !item.isEnabled()) continue;
    // The command turns the mark back on and installs its hook.
    item.setChecked(false);
    item.trigger();
  }
}

void SettingsController::FormClose() {
  // No worker reads a dictionary once the window is closing.
  render_.StopAll();
  if (session_.resetPending) return;
  StoreSettings(services_.store, live_);
  services_.store.Save();
}

void SettingsController::FormDestroy() {
  if (trayIconShown_) services_.tray.Remove();
  trayIconShown_ = false;
}

void SettingsController::Thitlpmcdnh1Click() {
  services_.store.DeleteTree();
  session_.resetPending = true;
  language_.ShowTableMessage(Message::DefaultSettingsDone);
}

void SettingsController::HideAtStart() {
  if (trayIconShown_) {
    form_.hide();
  } else {
    form_.showMinimized();
  }
}

void SettingsController::ActivateSavedGroup() {
  SettingsStore& store = services_.store;
  std::optional<std::string> saved;
  if (store.KeyExists(kDicActiveKey)) saved = store.ReadText(kDicActiveKey, kDicActiveValue);
  const GroupId group = GroupToActivateAtStart(saved);
  form_.MenuItem(Group(group).menuItem)->trigger();
}

}  // namespace lexorin
