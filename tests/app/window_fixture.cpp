#include "tests/app/window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <map>

#include "app/entry_view.h"
#include "app/headword_list_model.h"
#include "app/word_list_view.h"
#include "dictionary/dictionary_writer.h"
#include "dictionary/text_encoding.h"

namespace lexorin::test {

const std::vector<std::u16string>& WindowFixture::HeadwordsOf(std::string_view base) {
  static const std::map<std::string_view, std::vector<std::u16string>> kHeadwords = {
      {"ngaviet", {u"брат", u"дом", u"книга", u"окно", u"читать"}},
      {"nganga", {u"брат", u"дом", u"книга", u"окно", u"читать"}},
      {"vietnga", {u"anh", u"nhà", u"sách"}},
      {"anhviet", {u"book", u"box", u"go", u"make", u"play", u"use"}},
      {"anhanh", {u"book", u"box", u"go", u"make", u"play", u"use"}},
      {"vietanh", {u"nhà", u"sách", u"tốt"}},
      {"phapviet", {u"livre", u"maison", u"école"}},
      {"vietphap", {u"nhà", u"sách"}},
      {"vietviet", {u"nhà", u"sách", u"đẹp"}},
      {"edit", {u"mới", u"từ"}},
      {"DucViet", {u"Buch", u"Haus"}},
      {"HanViet", {u"집", u"책"}},
  };
  return kHeadwords.at(base);
}

WindowFixture::WindowFixture(WindowServices services) {
  std::filesystem::create_directory(folder_.path() / "Data");
  for (const std::string_view base : {"ngaviet", "nganga", "vietnga", "anhviet", "anhanh", "vietanh", "phapviet",
                                      "vietphap", "vietviet", "edit", "DucViet", "HanViet"}) {
    WriteDictionary(base, HeadwordsOf(base));
  }
  services.programFolder = folder_.path();
  services.messages = &messages_;
  window_ = std::make_unique<DictionaryWindow>(services);
  form().show();
  QApplication::setActiveWindow(&form());
  if (!QTest::qWaitForWindowActive(&form())) qWarning("the window did not become active: focus checks will fail");
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::WriteDictionary(std::string_view base, const std::vector<std::u16string>& headwords) {
  std::vector<DictionaryEntry> entries;
  for (const std::u16string& headword : headwords) {
    entries.push_back({headword, "@" + Utf16ToUtf8(headword) + "-" + std::string(base)});
  }
  SortEntries(entries);
  lexorin::WriteDictionary(DictionaryPaths::ForBase(folder_.path() / "Data", base), entries);
}

QString WindowFixture::ViewText(PaneId pane) { return form().Controls(pane).view->toPlainText(); }

QString WindowFixture::SelectedHeadword(PaneId pane) {
  const PaneControls& controls = form().Controls(pane);
  const auto row = controls.list->SelectedRow();
  return row ? controls.model->HeadwordAt(*row) : QString();
}

void WindowFixture::ClickMenuItem(std::string_view name) { form().MenuItem(name)->trigger(); }

void WindowFixture::ClickWordList(PaneId pane, int row) {
  WordListView* list = form().Controls(pane).list;
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

void WindowFixture::Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    if (c == u'\b') {
      QTest::keyClick(widget, Qt::Key_Backspace);
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

}  // namespace lexorin::test
