#include "app/word_form_controller.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "app/group_marks.h"
#include "app/headword_list_model.h"
#include "app/main_form.h"
#include "app/render_controller.h"
#include "app/word_list_view.h"
#include "morphology/anagram_search.h"
#include "morphology/word_form_groups.h"

namespace lexorin {
namespace {

// Find infinitive looks at the English input first, then at the Russian one.
constexpr BaseFormLanguage kFindInfinitiveOrder[] = {BaseFormLanguage::English, BaseFormLanguage::Russian};

constexpr std::string_view kFindApproachButton = "TntSpeedButton10";

const WordFormGroup& GroupOf(BaseFormLanguage language) {
  return *WordFormGroupOf(language == BaseFormLanguage::Russian ? GroupId::Russian : GroupId::English);
}

}  // namespace

WordFormController::WordFormController(MainForm& form, RenderController& render) : form_(form), render_(render) {
  QAction* findInfinitive = form_.MenuItem("Timnguyenth1");
  findInfinitive->setEnabled(true);
  connect(findInfinitive, &QAction::triggered, this, &WordFormController::Timnguyenth1Click);
  QAction* findApproach = form_.MenuItem("Timgndungvit1");
  findApproach->setEnabled(true);
  connect(findApproach, &QAction::triggered, this, &WordFormController::Timgndungvit1Click);
  QToolButton* findApproachButton = form_.QuickButton(kFindApproachButton);
  findApproachButton->setEnabled(true);
  connect(findApproachButton, &QToolButton::clicked, this, &WordFormController::Timgndungvit1Click);

  for (const WordFormGroup& group : WordFormGroups()) {
    for (const PaneId pane : {group.xVietnamese, group.second}) {
      connect(form_.Controls(pane).model, &QAbstractItemModel::modelReset, this,
              [this, pane] { PrepareWholeWordIndex(pane); });
    }
  }
}

WordFormController::~WordFormController() = default;

void WordFormController::PrepareWholeWordIndex(PaneId pane) {
  // Built on first use otherwise, that is on the first keystroke, where a
  // large list would hold the keystroke up. A keystroke that comes before
  // the worker is done waits only for the rest of the build.
  std::shared_ptr<const LoadedDictionary> dictionary = form_.Controls(pane).model->dictionary();
  if (!dictionary) return;
  wholeWordIndexes_[static_cast<size_t>(pane)] =
      std::async(std::launch::async, [dictionary = std::move(dictionary)] { dictionary->exactIndex(); });
}

bool WordFormController::FindAndShow(BaseFormLanguage language, std::u16string_view word) {
  const WordFormGroup& group = GroupOf(language);
  const auto& xVietnamese = form_.Controls(group.xVietnamese).model->dictionary();
  const auto& second = form_.Controls(group.second).model->dictionary();
  const auto found = group.findBaseForm(word, BaseFormLists::Of(xVietnamese.get(), second.get()));
  if (!found) return false;
  ShowFound(group.xVietnamese, found->index);
  // Where the second list lacks the headword, it and its pane keep what they had.
  if (found->second) ShowFound(group.second, *found->second);
  return true;
}

void WordFormController::ShowFound(PaneId pane, size_t row) {
  form_.Controls(pane).list->SelectFromCode(row);
  render_.StartRender(pane);
}

void WordFormController::Timnguyenth1Click() {
  for (const BaseFormLanguage language : kFindInfinitiveOrder) {
    const WordFormGroup& group = GroupOf(language);
    if (!form_.MenuItem(Group(group.group).menuItem)->isChecked()) continue;
    QLineEdit* handOver = form_.WordHandOver();
    handOver->setText(form_.Controls(group.xVietnamese).input->currentText());
    FindAndShow(language, handOver->text().toStdU16String());
  }
}

void WordFormController::Timgndungvit1Click() {
  const auto active = ActiveGroup(form_.Marks());
  const WordFormGroup* group = active ? WordFormGroupOf(*active) : nullptr;
  if (!group) return;
  const PaneControls& pane = form_.Controls(group->xVietnamese);
  const QString query = pane.input->currentText();
  if (query.isEmpty()) return;

  QListWidget* results = form_.ResultList(group->resultList);
  results->show();
  results->raise();  // over the word list
  results->clear();
  if (!pane.model->dictionary()) return;
  QStringList words;
  for (const size_t index : SearchOf(*group).Find(query.toStdU16String())) words << pane.model->HeadwordAt(index);
  results->addItems(words);
}

AnagramSearch& WordFormController::SearchOf(const WordFormGroup& group) {
  const auto& dictionary = form_.Controls(group.xVietnamese).model->dictionary();
  std::unique_ptr<AnagramSearch>& search = searches_[static_cast<size_t>(&group - WordFormGroups().data())];
  // A search holds the list it indexes: a reloaded list gets a new search.
  if (!search || &search->list() != &dictionary->headwords()) {
    search = std::make_unique<AnagramSearch>(
        std::shared_ptr<const HeadwordList>(dictionary, &dictionary->headwords()));
  }
  return *search;
}

}  // namespace lexorin
