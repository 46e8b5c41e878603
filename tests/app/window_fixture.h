#pragma once
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/dictionary_window.h"
#include "app/main_form.h"
#include "dictionary/catalogue.h"
#include "tests/support/temp_dir.h"

class QComboBox;

namespace lexorin::test {

// Message boxes that tests read instead of a modal dialog.
class RecordingMessages final : public MessageService {
 public:
  void Show(std::string_view caption, std::string_view text) override {
    shown.emplace_back(std::string(caption), std::string(text));
  }
  void ShowWithoutWaiting(std::string_view caption, std::string_view text) override {
    Show(caption, text);
    ++shownWithoutWaiting;
  }
  std::vector<std::pair<std::string, std::string>> shown;
  size_t shownWithoutWaiting = 0;  // boxes that did not hold up the caller
};

// Speech that tests read: the group and text of every request.
class RecordingSpeech final : public SpeechOutput {
 public:
  void SpeakForGroup(GroupId group, std::u16string_view text) override {
    spoken.emplace_back(group, QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
  }
  std::vector<std::pair<GroupId, QString>> spoken;
};

// A program folder with a small Data folder: every built-in dictionary, the
// editable one and two single dictionaries. Each entry reads
// "@<headword>-<base>", so a view shows which dictionary and headword it
// holds. The window is shown and active.
class WindowFixture {
 public:
  explicit WindowFixture(WindowServices services = {});
  ~WindowFixture();

  MainForm& form() { return window_->form(); }
  DictionaryWindow& window() { return *window_; }
  RecordingMessages& messages() { return messages_; }
  const TempDir& folder() const { return folder_; }
  std::filesystem::path DataFile(std::string_view name) const { return folder_.path() / "Data" / name; }

  void WriteDictionary(std::string_view base, const std::vector<std::u16string>& headwords);

  QComboBox* Input(std::string_view name) { return form().InputBox(name); }
  QString ViewText(PaneId pane);
  QString SelectedHeadword(PaneId pane);
  void ClickMenuItem(std::string_view name);
  void ClickWordList(PaneId pane, int row);
  // Types text key by key, as a user would; "\b" is the backspace key.
  static void Type(QWidget* widget, const QString& text);

  // The headwords of the fixture's dictionaries, by base name.
  static const std::vector<std::u16string>& HeadwordsOf(std::string_view base);

 private:
  TempDir folder_;
  RecordingMessages messages_;
  std::unique_ptr<DictionaryWindow> window_;
};

}  // namespace lexorin::test
