// The window's approximate search: the same results in the same order while
// the index is still being built and once it is ready.
#include <gtest/gtest.h>

#include <random>

#include "dictionary/text_encoding.h"
#include "morphology/anagram_search.h"

namespace lexorin {
namespace {

TEST(AnagramSearch, GivesTheScansResultsBeforeAndAfterTheIndexIsReady) {
  std::mt19937 random(77);
  const std::u16string alphabet = u"абвАёе";
  const auto randomWord = [&](size_t maxLength) {
    std::u16string word(random() % (maxLength + 1), u' ');
    for (char16_t& unit : word) unit = alphabet[random() % alphabet.size()];
    return word;
  };
  auto list = std::make_shared<HeadwordList>();
  std::vector<std::u16string> queries;
  for (int i = 0; i < 50000; ++i) {
    const std::u16string word = randomWord(6);
    list->push_back(word);
    if (i % 25 == 0) queries.push_back(word);
  }
  const HeadwordList reference = *list;
  AnagramSearch search(std::move(list));  // the search alone keeps the list alive

  // The first search starts the build; these run while it may still be going.
  for (const std::u16string& query : queries) {
    ASSERT_EQ(search.Find(query), FindAnagramsByScan(query, reference)) << Utf16ToUtf8(query);
  }
  ASSERT_TRUE(search.WaitUntilIndexed());
  for (const std::u16string& query : queries) {
    ASSERT_EQ(search.Find(query), FindAnagramsByScan(query, reference)) << Utf16ToUtf8(query);
  }
  EXPECT_TRUE(search.Find(u"").empty());
}

TEST(AnagramSearch, CanBeDestroyedWhileItsIndexIsBuilding) {
  auto list = std::make_shared<HeadwordList>();
  for (int i = 0; i < 300000; ++i) list->push_back(std::u16string(1 + i % 7, static_cast<char16_t>(u'a' + i % 26)));
  auto search = std::make_unique<AnagramSearch>(std::move(list));
  EXPECT_FALSE(search->Find(u"zz").empty());
  search.reset();  // the worker still reads the list: it must not be freed under it
}

}  // namespace
}  // namespace lexorin
