// The headword order, the nearest-headword search and the exact index.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "dictionary/exact_index.h"
#include "dictionary/headword_compare.h"
#include "dictionary/locate.h"

namespace lexorin {
namespace {

HeadwordList ListOf(std::initializer_list<std::u16string_view> items) {
  HeadwordList list;
  for (auto item : items) list.push_back(item);
  return list;
}

struct CompareCase {
  std::u16string_view a;
  std::u16string_view b;
  int sign;
};

TEST(HeadwordOrder, UpperCasesEachUnitThenComparesValues) {
  const CompareCase cases[] = {
      {u"book", u"BOOK", 0},
      {u"Đọc", u"đỌC", 0},
      {u"читать", u"ЧИТАТЬ", 0},
      {u"ß", u"ß", 0},            // no upper-case single unit: stays
      {u"book", u"books", -1},    // a prefix sorts first
      {u"a", u"B", -1},
      {u"Z", u"a", 1},            // 'Z' (0x5A) against 'A' (0x41)
      {u"b_", u"ba", 1},          // '_' (0x5F) sorts after 'A' (0x41), not before 'a'
      {u"ăn", u"an", 1},
      {u"", u"a", -1},
  };
  for (const CompareCase& c : cases) {
    const int got = CompareHeadwords(c.a, c.b);
    EXPECT_EQ((got > 0) - (got < 0), c.sign) << std::string(c.a.begin(), c.a.end());
  }
}

struct LocateCase {
  std::u16string_view query;
  int selected;  // -1: nothing selected
};

void ExpectLocates(const HeadwordList& list, std::initializer_list<LocateCase> cases) {
  for (const LocateCase& c : cases) {
    const auto got = LocateHeadword(c.query, list);
    EXPECT_EQ(got ? static_cast<int>(*got) : -1, c.selected)
        << "query '" << std::string(c.query.begin(), c.query.end()) << "' in a list of " << list.size();
  }
}

TEST(LocateHeadword, EndRulesOfTheSearch) {
  ExpectLocates(ListOf({u"b", u"d", u"f", u"h"}),
                {{u"a", 0}, {u"b", 0}, {u"c", 0}, {u"d", 1}, {u"e", 1}, {u"g", 3}, {u"z", 3}, {u"F", 2}, {u"H", 3}});
  ExpectLocates(ListOf({u"b", u"d"}), {{u"a", -1}, {u"c", 1}, {u"b", 0}, {u"D", 1}, {u"z", 1}});
  ExpectLocates(ListOf({u"b"}), {{u"b", 0}, {u"B", 0}, {u"a", -1}, {u"c", -1}});
  ExpectLocates(ListOf({}), {{u"a", -1}});
  ExpectLocates(ListOf({u"b", u"d", u"f"}), {{u"a", 0}, {u"z", 2}});
}

TEST(LocateHeadword, AlwaysFindsAnExactMatchInASortedList) {
  std::mt19937 random(7);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::u16string> words;
    const size_t count = 1 + random() % 300;
    for (size_t i = 0; i < count; ++i) {
      std::u16string word;
      for (size_t k = 0, n = 1 + random() % 6; k < n; ++k) word.push_back(static_cast<char16_t>(u'a' + random() % 5));
      words.push_back(word);
    }
    std::sort(words.begin(), words.end(), [](auto& a, auto& b) { return CompareHeadwords(a, b) < 0; });
    words.erase(std::unique(words.begin(), words.end()), words.end());
    HeadwordList list;
    for (const auto& w : words) list.push_back(w);
    for (size_t i = 0; i < words.size(); ++i) {
      const auto got = LocateHeadword(UpperCased(words[i]), list);
      ASSERT_TRUE(got.has_value());
      EXPECT_EQ(*got, i);
    }
  }
}

TEST(LocateHeadword, TerminatesOnAnUnsortedList) {
  const HeadwordList list = ListOf({u"z", u"a", u"y", u"b", u"x", u"c", u"w"});
  for (std::u16string_view query : {u"a", u"m", u"zz", u""}) (void)LocateHeadword(query, list);
  EXPECT_EQ(LocateHeadword(u"b", list), std::optional<size_t>(3));
}

TEST(ExactMatchIndex, FindsTheFirstEqualItemIgnoringCase) {
  const HeadwordList list = ListOf({u"zebra", u"Book", u"apple", u"book", u"BOOK", u"Đọc", u""});
  const ExactMatchIndex index(list);
  EXPECT_EQ(index.Find(u"book"), std::optional<size_t>(1));
  EXPECT_EQ(index.Find(u"BoOk"), std::optional<size_t>(1));
  EXPECT_EQ(index.Find(u"đọc"), std::optional<size_t>(5));
  EXPECT_EQ(index.Find(u"ZEBRA"), std::optional<size_t>(0));
  EXPECT_EQ(index.Find(u""), std::optional<size_t>(6));
  EXPECT_FALSE(index.Find(u"boo").has_value());
  EXPECT_FALSE(index.Find(u"books").has_value());
  EXPECT_FALSE(ExactMatchIndex(HeadwordList()).Find(u"a").has_value());
}

}  // namespace
}  // namespace lexorin
