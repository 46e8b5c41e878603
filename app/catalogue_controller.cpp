#include "app/catalogue_controller.h"

#include <QAction>
#include <QComboBox>
#include <QTabBar>
#include <QToolButton>
#include <functional>
#include <vector>

#include "app/group_marks.h"
#include "app/headword_list_model.h"
#include "app/language_controller.h"
#include "app/main_form.h"
#include "app/word_list_view.h"
#include "dictionary/data_file_error.h"

namespace lexorin {
namespace {

// A group item is checked only by its command: the mark the item's own
// toggle set is undone before the command decides the marks.
void ConnectGroupItem(QAction* item, std::function<void()> command) {
  item->setEnabled(true);
  QObject::connect(item, &QAction::triggered, item, [item, command = std::move(command)](bool checked) {
    item->setChecked(!checked);
    command();
  });
}

}  // namespace

CatalogueController::CatalogueController(MainForm& form, LanguageController& language,
                                         std::filesystem::path programFolder)
    : form_(form), language_(language), programFolder_(std::move(programFolder)) {
  for (const GroupInfo& group : Groups()) {
    ConnectGroupItem(form_.MenuItem(group.menuItem), [this, id = group.id] { ActivateGroup(id); });
  }
  for (const SingleDictionaryInfo& single : SingleDictionaries()) {
    QAction* item = form_.MenuItem(single.menuItem);
    item->setEnabled(true);
    connect(item, &QAction::triggered, this, [this, &single] { ActivateSingleDictionary(single); });
    if (QToolButton* button = single.quickButton.empty() ? nullptr : form_.QuickButton(single.quickButton)) {
      button->setEnabled(true);
      connect(button, &QToolButton::clicked, this, [this, &single] { ActivateSingleDictionary(single); });
    }
  }
  connect(form_.TabControl(), &QTabBar::currentChanged, this, &CatalogueController::TntTabControlChange);
}

void CatalogueController::TntTabControlChange(int index) {
  for (const GroupInfo& group : Groups()) {
    if (group.tab == index) form_.MenuItem(group.menuItem)->trigger();
  }
}

void CatalogueController::ActivateGroup(GroupId group) {
  switch (group) {
    case GroupId::Russian:
    case GroupId::English:
    case GroupId::French: ActivateBuiltInGroup(Group(group)); break;
    case GroupId::Selectable: ActivateSelectable(); break;
    case GroupId::Editable: ActivateEditable(); break;
  }
}

void CatalogueController::ActivateBuiltInGroup(const GroupInfo& group) {
  if (form_.Controls(group.panes[0]).model->size() == 0) {
    form_.BringStartPictureToFront();
    // All three dictionaries are read before any pane takes one, so a
    // failure leaves the group as it was: not loaded, tried again next time.
    std::vector<std::shared_ptr<const LoadedDictionary>> loaded;
    try {
      for (const PaneId pane : group.panes) {
        loaded.push_back(LoadedDictionary::Load(DictionaryPaths::ForBase(DataFolder(), Pane(pane).base)));
      }
    } catch (const DataFileError& error) {
      form_.SendStartPictureToBack();
      language_.ShowFixedMessage(error.what());
      RestoreTabAfterFailure(group.id);
      return;
    }
    for (size_t i = 0; i < group.panes.size(); ++i) form_.Controls(group.panes[i]).model->SetDictionary(loaded[i]);
    if (group.id == GroupId::Russian) {
      form_.InputBox("TntComboBox3")->clearEditText();
      form_.Controls(PaneId::RusViet).list->SelectFromCode(0);
    }
    form_.SendStartPictureToBack();
  }
  ShowLoadedGroup(group);
  form_.InputBox(group.inputBoxes[0])->setFocus();
  form_.SetMarks(MarksFor(group.id));
}

void CatalogueController::ShowLoadedGroup(const GroupInfo& group) {
  form_.BringGroupPanelToFront(group.id);
  form_.SelectTabQuietly(group.tab);
}

void CatalogueController::ActivateSelectable() {
  const GroupInfo& group = Group(GroupId::Selectable);
  if (form_.Controls(PaneId::Selectable1).model->size() == 0) {
    LoadSelectableDictionary();
    return;
  }
  form_.SetMarks(MarksFor(group.id));
  ShowLoadedGroup(group);
}

bool CatalogueController::LoadSelectableDictionary() {
  const GroupInfo& group = Group(GroupId::Selectable);
  form_.BringStartPictureToFront();
  std::shared_ptr<const LoadedDictionary> loaded;
  try {
    if (selectablePaths_.complete()) loaded = LoadedDictionary::Load(selectablePaths_.ResolvedIn(programFolder_));
  } catch (const DataFileError&) {
  }
  if (!loaded) {
    // The pane keeps the dictionary it showed before.
    language_.ShowTableMessage(Message::ConfigureSelectableFirst);
    form_.SendStartPictureToBack();
    RestoreTabAfterFailure(group.id);
    return false;
  }
  form_.Controls(PaneId::Selectable1).model->SetDictionary(std::move(loaded));
  ShowLoadedGroup(group);
  form_.SendStartPictureToBack();
  form_.SetMarks(MarksFor(group.id));
  return true;
}

void CatalogueController::ActivateSingleDictionary(const SingleDictionaryInfo& single) {
  selectablePaths_ = SelectablePaths::ForDataBase(single.base);
  LoadSelectableDictionary();
}

void CatalogueController::ActivateEditable() {
  const GroupInfo& group = Group(GroupId::Editable);
  const PaneControls& pane = form_.Controls(PaneId::UserEdit);
  if (pane.model->size() == 0) {
    form_.BringStartPictureToFront();
    std::shared_ptr<const LoadedDictionary> loaded;
    try {
      loaded = LoadedDictionary::Load(DictionaryPaths::ForBase(DataFolder(), Pane(PaneId::UserEdit).base),
                                      EntryFileMode::ReopenPerRead);
    } catch (const DataFileError&) {
      language_.ShowTableMessage(Message::ChooseDefaultSettings);
      form_.SendStartPictureToBack();
      RestoreTabAfterFailure(group.id);
      return;
    }
    pane.model->SetDictionary(std::move(loaded));
    pane.list->SelectFromCode(0);
    ShowLoadedGroup(group);
    form_.SendStartPictureToBack();
  } else {
    ShowLoadedGroup(group);
  }
  form_.SetMarks(MarksFor(group.id));
}

void CatalogueController::RestoreTabAfterFailure(GroupId failed) {
  // The tab that was clicked to start the load returns to the group whose
  // panel is still shown.
  if (const auto tab = TabAfterFailedLoad(form_.Marks(), failed)) form_.SelectTabQuietly(*tab);
}

}  // namespace lexorin
