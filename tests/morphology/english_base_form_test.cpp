// The English base-form finder: its three stages, their order, letter case,
// and what is selected in the two lists.
#include <gtest/gtest.h>

#include "dictionary/text_encoding.h"
#include "morphology/base_form.h"
#include "tests/morphology/word_lists.h"

namespace lexorin {
namespace {

using test::GroupLists;

struct FindCase {
  std::u16string word;
  std::u16string expected;  // the selected headword, or "(none)"
};

void ExpectFinds(const std::vector<std::u16string>& headwords, const std::vector<FindCase>& cases) {
  const GroupLists lists(headwords);
  for (const FindCase& c : cases) {
    EXPECT_EQ(lists.Selected(FindEnglishBaseForm(c.word, lists.lists())), c.expected)
        << "word " << Utf16ToUtf8(c.word) << ", expected " << Utf16ToUtf8(c.expected);
  }
}

TEST(EnglishBaseForm, TheThreeStagesInOrder) {
  ExpectFinds({u"book", u"box", u"John", u"make", u"go", u"play", u"use", u"doe", u"do", u"run", u"stop", u"study",
               u"new", u"news", u"be", u"bed", u"sing", u"e"},
              {
                  {u"books", u"book"},     // stage 1: s
                  {u"used", u"use"},       // stage 1: d
                  {u"boxes", u"box"},      // stage 1 tries boxe, stage 2 finds box
                  {u"goes", u"go"},
                  {u"played", u"play"},    // stage 1 tries playe
                  {u"John's", u"John"},    // stage 2: 's
                  {u"going", u"go"},       // stage 3, first candidate
                  {u"making", u"make"},    // stage 3, second candidate after mak
                  {u"does", u"doe"},       // stage 1 wins over stage 2's do
                  {u"news", u"news"},      // a headword is never changed
                  {u"bed", u"bed"},
                  {u"singing", u"sing"},
                  {u"ing", u"e"},          // a word equal to a suffix: empty stem, then e
                  // No doubling or -ies rule.
                  {u"running", u"(none)"},
                  {u"stopped", u"(none)"},
                  {u"studies", u"(none)"},
                  // The whole-word test ignores case, the suffixes do not.
                  {u"BOOK", u"book"},
                  {u"BOOKS", u"(none)"},
                  {u"Books", u"book"},
                  {u"", u"(none)"},
              });
}

TEST(EnglishBaseForm, AnEmptyCandidateIsNoHeadword) {
  // A blank line in the headword file is not the base form of "s".
  ExpectFinds({u"", u"x"}, {{u"s", u"(none)"}, {u"'s", u"(none)"}, {u"", u"(none)"}});
}

TEST(EnglishBaseForm, TheSecondListFollowsTheFirst) {
  const GroupLists lists({u"book", u"play"}, {u"Book", u"player"});
  const auto inBoth = FindEnglishBaseForm(u"books", lists.lists());
  EXPECT_EQ(lists.Selected(inBoth), u"book");
  EXPECT_EQ(lists.SecondSelected(inBoth), u"Book");

  const auto firstOnly = FindEnglishBaseForm(u"played", lists.lists());
  ASSERT_TRUE(firstOnly.has_value());
  EXPECT_EQ(lists.Selected(firstOnly), u"play");
  EXPECT_FALSE(firstOnly->second.has_value());

  // player is only in the second list: not accepted.
  EXPECT_FALSE(FindEnglishBaseForm(u"players", lists.lists()).has_value());
}

}  // namespace
}  // namespace lexorin
