#include "app/lookup_controller.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "app/entry_view.h"
#include "app/group_marks.h"
#include "app/headword_list_model.h"
#include "app/main_form.h"
#include "app/render_controller.h"
#include "app/word_list_view.h"
#include "dictionary/locate.h"

namespace lexorin {
namespace {


std::u16string U16(const QString& text) { return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), text.size()); }

// The option items that only carry a check mark.
constexpr std::string_view kOptionItems[] = {"Tdngdch1", "Tdngtimnguyenth1", "Tdngphatam1"};

// The input box whose focus switches the keyboard to Russian.
constexpr std::string_view kRussianInput = "TntComboBox3";

void HideIfVisible(QWidget* widget) {
  if (widget && widget->isVisible()) widget->hide();
}

}  // namespace

LookupController::LookupController(MainForm& form, RenderController& render, BaseFormFinder& baseForms,
                                   SpeechOutput& speech, KeyboardLayoutSwitch& keyboard)
    : form_(form), render_(render), baseForms_(baseForms), speech_(speech), keyboard_(keyboard) {
  for (const InputWiring& wiring : InputWirings()) {
    QComboBox* input = form_.InputBox(wiring.inputBox);
    connect(input, &QComboBox::editTextChanged, this, [this, &wiring](const QString& text) { InputChanged(wiring, text); });
    input->installEventFilter(this);
  }
  for (const WordListWiring& wiring : WordListWirings()) {
    connect(form_.Controls(wiring.pane).list, &WordListView::userPicked, this,
            [this, pane = wiring.pane](int row) { WordListClicked(pane, row); });
  }
  for (const ResultListWiring& wiring : ResultListWirings()) {
    if (!wiring.clickable) continue;
    connect(form_.ResultList(wiring.list), &QListWidget::itemClicked, this,
            [this, &wiring](QListWidgetItem* item) { ResultListClicked(wiring, item); });
  }
  for (const std::string_view name : kOptionItems) form_.MenuItem(name)->setEnabled(true);
  QAction* clearLeft = form_.MenuItem("HpnhpNgaVit1");
  clearLeft->setEnabled(true);
  connect(clearLeft, &QAction::triggered, this, &LookupController::HpnhpNgaVit1Click);
  QAction* clearRight = form_.MenuItem("HpnhpVitNga1");
  clearRight->setEnabled(true);
  connect(clearRight, &QAction::triggered, this, &LookupController::HpnhpVitNga1Click);
}

bool LookupController::Checked(std::string_view item) const { return form_.MenuItem(item)->isChecked(); }

void LookupController::Find(PaneId pane) {
  const PaneControls& controls = form_.Controls(pane);
  const auto& dictionary = controls.model->dictionary();
  if (!dictionary) return;
  controls.list->SelectFromCode(LocateHeadword(U16(controls.input->currentText()), dictionary->headwords()));
}

void LookupController::Show(PaneId pane) { render_.StartRender(pane); }

bool LookupController::ClickButton(std::string_view name) {
  for (const PaneInfo& pane : Panes()) {
    if (pane.findButton == name) {
      Find(pane.id);
      return true;
    }
    if (!pane.showButton.empty() && pane.showButton == name) {
      Show(pane.id);
      return true;
    }
  }
  return false;
}

void LookupController::InputChanged(const InputWiring& wiring, const QString& text) {
  if (text.isEmpty()) return;
  if (wiring.baseForms && Checked("Tdngtimnguyenth1")) {
    form_.WordHandOver()->setText(text);
    if (baseForms_.FindAndShow(*wiring.baseForms, U16(text))) return;
  }
  for (const PaneId pane : wiring.find) Find(pane);
  if (wiring.showCondition == ShowOnChange::Always || Checked("Tdngdch1")) {
    for (const PaneId pane : wiring.showOnChange) Show(pane);
  }
}

void LookupController::InputKey(const InputWiring& wiring, int key) {
  if (!wiring.hiddenOnKey.empty()) HideIfVisible(form_.ResultList(wiring.hiddenOnKey));
  if (wiring.showOnEnter.empty() || (key != Qt::Key_Return && key != Qt::Key_Enter)) return;
  const PaneId first = wiring.find[0];
  const PaneControls& controls = form_.Controls(first);
  if (const auto row = controls.list->SelectedRow()) {
    AddToHistory(controls.input, controls.model->HeadwordAt(*row), WordListWiringOf(first).position);
  }
  for (const PaneId pane : wiring.showOnEnter) Show(pane);
  form_.MenuItem("Phatam1")->trigger();
}

void LookupController::WordListClicked(PaneId pane, int row) {
  const PaneControls& controls = form_.Controls(pane);
  if (row < 0 || static_cast<size_t>(row) >= controls.model->size()) return;
  const QString headword = controls.model->HeadwordAt(static_cast<size_t>(row));
  const WordListWiring& wiring = WordListWiringOf(pane);
  AddToHistory(controls.input, headword, wiring.position);
  Show(pane);
  if (wiring.voice && Checked("Tdngphatam1")) speech_.SpeakForGroup(*wiring.voice, U16(headword));
}

void LookupController::ResultListClicked(const ResultListWiring& wiring, QListWidgetItem* item) {
  if (!item) return;
  const PaneControls& controls = form_.Controls(wiring.pane);
  const QString word = item->text();
  if (const auto& dictionary = controls.model->dictionary()) {
    const auto found = dictionary->exactIndex().Find(U16(word));
    if (found) {
      controls.list->SelectFromCode(found);
    } else {
      controls.list->clearSelection();
    }
  }
  Show(wiring.pane);
  AddToHistory(controls.input, word, HistoryPosition::Top);
  if (Checked("Tdngphatam1")) speech_.SpeakForGroup(Pane(wiring.pane).group, U16(word));
}

void LookupController::AddToHistory(QComboBox* input, const QString& headword, HistoryPosition position) {
  if (input->findText(headword, Qt::MatchFixedString) >= 0) return;
  // Adding to the history never changes what the box shows: an empty combo
  // box would otherwise show its first item, and that change is a look-up.
  const QSignalBlocker quiet(input);
  const QString text = input->currentText();
  const int cursor = input->lineEdit()->cursorPosition();
  input->insertItem(position == HistoryPosition::Top ? 0 : input->count(), headword);
  if (input->currentText() != text) {
    input->setCurrentIndex(-1);
    input->setEditText(text);
    input->lineEdit()->setCursorPosition(cursor);
  }
}

void LookupController::HpnhpNgaVit1Click() { Clear(ClearLeftTargets()); }
void LookupController::HpnhpVitNga1Click() { Clear(ClearRightTargets()); }

void LookupController::Clear(std::span<const ClearTarget> targets) {
  const auto active = ActiveGroup(form_.Marks());
  if (!active) return;
  for (const ClearTarget& target : targets) {
    if (target.group != *active) continue;
    QComboBox* input = form_.InputBox(target.inputBox);
    input->clearEditText();
    form_.Controls(target.pane).view->ClearEntry();
    input->setFocus();
    if (!target.hiddenList.empty()) HideIfVisible(form_.ResultList(target.hiddenList));
    return;
  }
}

bool LookupController::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut) return false;
  const std::string name = watched->objectName().toStdString();
  if (type == QEvent::KeyPress) {
    if (const InputWiring* wiring = InputWiringOf(name)) InputKey(*wiring, static_cast<QKeyEvent*>(event)->key());
  } else if (name == kRussianInput && type == QEvent::FocusIn) {
    keyboard_.ToRussian();
  } else if (name == kRussianInput && type == QEvent::FocusOut &&
             static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    keyboard_.ToUsEnglish();
  }
  return false;  // the key itself goes on to the input box
}

}  // namespace lexorin
