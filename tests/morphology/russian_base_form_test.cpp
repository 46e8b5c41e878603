// The Russian base-form finder: the rule table, its order, the whole-word
// test, letter case, and what is selected in the two lists.
#include <gtest/gtest.h>

#include "dictionary/text_encoding.h"
#include "morphology/base_form.h"
#include "morphology/russian_rules.h"
#include "tests/morphology/word_lists.h"

namespace lexorin {
namespace {

using test::GroupLists;

struct FindCase {
  std::vector<std::u16string> headwords;
  std::u16string word;
  std::u16string expected;  // the selected headword, or "(none)"
};

void ExpectFinds(const std::vector<FindCase>& cases) {
  for (const FindCase& c : cases) {
    const GroupLists lists(c.headwords);
    EXPECT_EQ(lists.Selected(FindRussianBaseForm(c.word, lists.lists())), c.expected)
        << "word " << Utf16ToUtf8(c.word) << ", expected " << Utf16ToUtf8(c.expected);
  }
}

TEST(RussianBaseForm, InflectedWordsReachTheirDictionaryForm) {
  const std::vector<std::u16string> dictionary = {u"читать", u"пройти", u"помочь", u"сон",    u"окно",
                                                  u"стол",   u"новый",  u"рисовать", u"нести", u"быть"};
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"читаю", u"читать"},         // ending ю of a verb in -ать
      {u"читал", u"читать"},
      {u"читающий", u"читать"},      // a participle: the whole five-letter ending goes
      {u"пройденный", u"пройти"},    // the seven-letter ending йденный
      {u"помогший", u"помочь"},      // гший
      {u"сна", u"сон"},              // о inserted before the stem's last letter
      {u"окон", u"окно"},            // no ending: second-to-last letter dropped, о appended
      {u"столом", u"стол"},          // a case ending of a noun: the stem alone
      {u"новому", u"новый"},         // an adjective ending
      {u"рисуют", u"рисовать"},
      {u"несут", u"нести"},
      {u"будете", u"быть"},
      {u"гулять", u"(none)"},        // nothing in the dictionary
  };
  std::vector<FindCase> table;
  for (const auto& [word, expected] : cases) table.push_back({dictionary, word, expected});
  ExpectFinds(table);
}

TEST(RussianBaseForm, EarlierRuleAndEarlierCandidateWin) {
  ExpectFinds({
      // ая occurs in three rules: the verb rule first, then ыть, then the adjective.
      {{u"читый", u"читыть", u"читать"}, u"читая", u"читать"},
      {{u"читый", u"читыть"}, u"читая", u"читыть"},
      {{u"читый"}, u"читая", u"читый"},
      // ом of the adjective rules comes before ом of the noun rules.
      {{u"стол", u"столый"}, u"столом", u"столый"},
      // Within one rule the candidates go left to right, whatever the list order.
      {{u"рисевать", u"рисовать"}, u"рисую", u"рисовать"},
      {{u"рисевать"}, u"рисую", u"рисевать"},
      // Among the adjective endings ый, ой, ий.
      {{u"синий", u"синой"}, u"синего", u"синой"},
      // The noun rule's candidates: stem, о, а, ь, е, я, then о inserted.
      {{u"сон", u"сня", u"сно", u"сн"}, u"сны", u"сн"},
      {{u"сон", u"сня", u"сно"}, u"сны", u"сно"},
      {{u"сон", u"сня"}, u"сны", u"сня"},
      {{u"сон"}, u"сны", u"сон"},
  });
}

TEST(RussianBaseForm, AHeadwordIsNeverChanged) {
  ExpectFinds({
      {{u"новый", u"новая"}, u"новая", u"новая"},
      {{u"стол", u"столом"}, u"столом", u"столом"},
      {{u"сон", u"сна"}, u"сна", u"сна"},
      // The whole-word test ignores letter case.
      {{u"читать"}, u"ЧИТАТЬ", u"читать"},
  });
}

TEST(RussianBaseForm, EndingsCompareLetterCaseExactly) {
  ExpectFinds({
      // No ending matches an upper-case word; only the every-word rule runs:
      // ЧИТАЮ + а, ЧИТЮ + о, ЧИТЮ + а, each looked up ignoring case.
      {{u"читать"}, u"ЧИТАЮ", u"(none)"},
      {{u"читать", u"читюо"}, u"ЧИТАЮ", u"читюо"},
      {{u"читать", u"читаюа"}, u"ЧИТАЮ", u"читаюа"},
      // A capital first letter leaves the ending lower case.
      {{u"читать"}, u"Читаю", u"читать"},
  });
}

TEST(RussianBaseForm, ShortAndEmptyWords) {
  ExpectFinds({
      // An empty word reaches only the every-word rule: а, о, а.
      {{u"а"}, u"", u"а"},
      {{u"о"}, u"", u"о"},
      {{u"б"}, u"", u"(none)"},
      // A one-letter word is too short to lose a letter: ж + а, ж + о.
      {{u"жо"}, u"ж", u"жо"},
      {{u"жа", u"жо"}, u"ж", u"жа"},
      // A word equal to an ending has an empty stem; the stem alone is then
      // an empty candidate, which is no headword even where the file has a
      // blank line, and the next candidate is tried.
      {{u"", u"о"}, u"а", u"о"},
      {{u"", u"а"}, u"", u"а"},
  });
}

TEST(RussianBaseForm, OnlyTheRussianVietnameseListDecides) {
  // стол is in both lists, столый only in the second one: the adjective
  // candidate is passed over and the noun is found in both.
  const GroupLists both({u"стол", u"ход"}, {u"абажур", u"СТОЛ", u"столый"});
  const auto found = FindRussianBaseForm(u"столом", both.lists());
  EXPECT_EQ(both.Selected(found), u"стол");
  EXPECT_EQ(both.SecondSelected(found), u"СТОЛ");

  // Found only in the Russian-Vietnamese list: the second list is not touched.
  const GroupLists firstOnly({u"стол"}, {u"столый"});
  const auto onlyFirst = FindRussianBaseForm(u"столом", firstOnly.lists());
  ASSERT_TRUE(onlyFirst.has_value());
  EXPECT_EQ(onlyFirst->index, 0u);
  EXPECT_FALSE(onlyFirst->second.has_value());

  // Nothing in the first list: nothing found, whatever the second holds.
  const GroupLists secondOnly({u"ход"}, {u"стол"});
  EXPECT_FALSE(FindRussianBaseForm(u"столом", secondOnly.lists()).has_value());
}

TEST(RussianBaseForm, TheFirstEqualItemIsSelected) {
  const GroupLists lists({u"Стол", u"стол"}, {u"СТОЛ", u"стол"});
  const auto found = FindRussianBaseForm(u"столом", lists.lists());
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, (BaseForm{0, 0}));
}

TEST(RussianBaseForm, WithoutLoadedListsNothingIsFound) {
  EXPECT_FALSE(FindRussianBaseForm(u"читаю", BaseFormLists{}).has_value());
  const GroupLists empty({});
  EXPECT_FALSE(FindRussianBaseForm(u"", empty.lists()).has_value());
}

TEST(RussianRules, EveryRuleTriesItsCandidatesWhenItsEndingFits) {
  // For each rule and each of its endings, a word made of a stem and the
  // ending, against a dictionary holding only that rule's last candidate:
  // the finder must reach it. Catches a lost ending, a wrong stem length and
  // a dropped candidate anywhere in the table.
  const std::u16string stem = u"щщ";
  std::u16string candidate;
  for (size_t n = 0; n < RussianRules().size(); ++n) {
    const EndingRule& rule = RussianRules()[n];
    const size_t length = rule.endingLength();
    for (size_t at = 0; at <= rule.endings().size(); at += length + 1) {
      const std::u16string word = stem + std::u16string(rule.endings().substr(at, length));
      BuildCandidate(rule.builders().back(), word, stem.size(), candidate);
      const GroupLists lists({candidate});
      EXPECT_EQ(lists.Selected(FindRussianBaseForm(word, lists.lists())), candidate)
          << "rule " << n + 1 << ", word " << Utf16ToUtf8(word);
    }
  }
}

}  // namespace
}  // namespace lexorin
