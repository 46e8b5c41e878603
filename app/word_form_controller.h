#pragma once
#include <QObject>
#include <array>
#include <future>
#include <memory>
#include <string_view>

#include "app/services.h"
#include "dictionary/catalogue.h"

namespace lexorin {

class AnagramSearch;
class MainForm;
class RenderController;
struct WordFormGroup;

// The word-form commands of the Russian and English groups: base forms
// (found for the look-up chain and by "Find infinitive") and the
// approximate search ("Find approach") with its result lists.
class WordFormController : public QObject, public BaseFormFinder {
  Q_OBJECT
 public:
  WordFormController(MainForm& form, RenderController& render);
  ~WordFormController() override;

  // Selects the base form of `word` in the group's X-Vietnamese word list and
  // shows it there, and in the second list and pane where that lists it too.
  bool FindAndShow(BaseFormLanguage language, std::u16string_view word) override;

  // Find infinitive: the English input's text, then the Russian input's, each
  // while its group is checked, through the word hand-over.
  void Timnguyenth1Click();
  // Find approach: the active group's rearrangements of its input's text.
  void Timgndungvit1Click();

 private:
  void ShowFound(PaneId pane, size_t row);
  AnagramSearch& SearchOf(const WordFormGroup& group);
  void PrepareWholeWordIndex(PaneId pane);

  MainForm& form_;
  RenderController& render_;
  std::array<std::unique_ptr<AnagramSearch>, 2> searches_;  // by word-form group, made on first use
  std::array<std::future<void>, kPaneCount> wholeWordIndexes_;
};

}  // namespace lexorin
