#pragma once
#include <QObject>
#include <string_view>

#include "app/lookup_wiring.h"
#include "app/services.h"

class QComboBox;
class QListWidgetItem;

namespace lexorin {

class MainForm;
class RenderController;

// The look-up chain: input boxes, word lists and the panes' find and show
// steps, wired as the tables of lookup_wiring.h say; the history of each
// input box; the clear commands and the option items.
class LookupController : public QObject {
  Q_OBJECT
 public:
  LookupController(MainForm& form, RenderController& render, BaseFormFinder& baseForms, SpeechOutput& speech,
                   KeyboardLayoutSwitch& keyboard);

  // A pane's find step: select the nearest headword of the input box's text.
  void Find(PaneId pane);
  // A pane's show step: render its selected entry.
  void Show(PaneId pane);
  // The hidden find and show buttons, by name. Returns false for an unknown
  // name.
  bool ClickButton(std::string_view name);

  void AddToHistory(QComboBox* input, const QString& headword, HistoryPosition position);

  void HpnhpNgaVit1Click();
  void HpnhpVitNga1Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void InputChanged(const InputWiring& wiring, const QString& text);
  void InputKey(const InputWiring& wiring, int key);
  void WordListClicked(PaneId pane, int row);
  void ResultListClicked(const ResultListWiring& wiring, QListWidgetItem* item);
  void Clear(std::span<const ClearTarget> targets);
  bool Checked(std::string_view item) const;

  MainForm& form_;
  RenderController& render_;
  BaseFormFinder& baseForms_;
  SpeechOutput& speech_;
  KeyboardLayoutSwitch& keyboard_;
};

}  // namespace lexorin
