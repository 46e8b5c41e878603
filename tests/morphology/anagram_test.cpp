// The approximate search: headwords with exactly the query's characters, in
// list order, by the plain visit of every headword and by the index.
#include <gtest/gtest.h>

#include <random>

#include "dictionary/text_encoding.h"
#include "morphology/anagram.h"

namespace lexorin {
namespace {

HeadwordList ListOf(const std::vector<std::u16string>& words) {
  HeadwordList list;
  for (const auto& word : words) list.push_back(word);
  return list;
}

std::vector<std::u16string> Headwords(const HeadwordList& list, const std::vector<size_t>& indexes) {
  std::vector<std::u16string> words;
  for (size_t i : indexes) words.emplace_back(list[i]);
  return words;
}

struct AnagramCase {
  std::u16string query;
  std::vector<std::u16string> headwords;
  std::vector<std::u16string> expected;
};

TEST(Anagrams, SameCharactersSameCountsInListOrder) {
  const AnagramCase cases[] = {
      {u"рак", {u"арк", u"ра", u"кар", u"рака", u"рак", u"кра", u"ркк"}, {u"арк", u"кар", u"рак", u"кра"}},
      {u"teh", {u"eth", u"tea", u"the", u"het", u"teh"}, {u"eth", u"the", u"het", u"teh"}},
      // A repeated letter must be matched as often: not lop (shorter), not
      // plop (one o short), not lopp.
      {u"loop", {u"lop", u"loop", u"plop", u"polo", u"lopp", u"pool", u"oolp"}, {u"loop", u"polo", u"pool", u"oolp"}},
      // Letter case, accents and ё/е are all different characters.
      {u"Abc", {u"bca", u"cab", u"bAc", u"ABC", u"Abc"}, {u"bAc", u"Abc"}},
      {u"её", {u"ее", u"ёе", u"её", u"ёё"}, {u"ёе", u"её"}},
      {u"ă", {u"a", u"ă", u"Ă", u"ăă"}, {u"ă"}},
      // A single character lists the headwords equal to it.
      {u"a", {u"a", u"A", u"aa", u"b", u"a"}, {u"a", u"a"}},
      // Code units, not characters: the two halves of a surrogate pair count
      // on their own.
      {u"x\U0001F600", {u"\U0001F600x", u"\xDE00x\xD83D", u"x\xD83D\xD83D"}, {u"\U0001F600x", u"\xDE00x\xD83D"}},
      // An empty query finds nothing, not even an empty headword.
      {u"", {u"", u"a"}, {}},
      {u"xyz", {u"abc", u"xy"}, {}},
  };
  for (const AnagramCase& c : cases) {
    const HeadwordList list = ListOf(c.headwords);
    EXPECT_EQ(Headwords(list, FindAnagramsByScan(c.query, list)), c.expected) << Utf16ToUtf8(c.query);
    EXPECT_EQ(Headwords(list, AnagramIndex(list).Find(c.query)), c.expected) << Utf16ToUtf8(c.query);
  }
}

TEST(Anagrams, TheIndexGivesTheScansResultsOnRandomLists) {
  // Short words over a small alphabet, so that rearrangements, repeated
  // letters, near misses and duplicate headwords are common.
  std::mt19937 random(20240611);
  const std::u16string alphabet = u"abcAeё";
  const auto randomWord = [&](size_t maxLength) {
    std::u16string word(random() % (maxLength + 1), u' ');
    for (char16_t& unit : word) unit = alphabet[random() % alphabet.size()];
    return word;
  };
  std::vector<std::u16string> words;
  for (int i = 0; i < 4000; ++i) words.push_back(randomWord(5));
  const HeadwordList list = ListOf(words);
  const AnagramIndex index(list);

  std::vector<std::u16string> queries = words;
  for (int i = 0; i < 2000; ++i) queries.push_back(randomWord(6));
  size_t withResults = 0;
  for (const std::u16string& query : queries) {
    const auto expected = FindAnagramsByScan(query, list);
    ASSERT_EQ(index.Find(query), expected) << Utf16ToUtf8(query);
    if (expected.size() > 1) ++withResults;
  }
  // The lists must really exercise several results per query.
  EXPECT_GT(withResults, queries.size() / 2);
}

}  // namespace
}  // namespace lexorin
