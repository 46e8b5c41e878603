// Articles rewritten into our mark-up: WordNet and FOLDOC into the
// English-English brackets, HTML and XDXF into line marks.
#include <gtest/gtest.h>

#include "importers/bracket_text.h"
#include "importers/foldoc_style.h"
#include "importers/tagged_text.h"
#include "importers/wordnet_style.h"

namespace lexorin {
namespace {

TEST(WordNetStyle, SensesExamplesAndRelationsAreSetApart) {
  const std::string article =
      "Box\n"
      "    n 1: a (usually rectangular) container; may have a lid; \"he\n"
      "         rummaged through a box of spare parts\" [syn: {box},\n"
      "         {case}]\n"
      "    2: the driver's seat on a coach; \"an armed guard sat in the box\n"
      "       with the driver\"; \"a [raised] box\" [syn: {box}, {box\n"
      "       seat}] [ant: {unbox}]\n"
      "    v 1: to compose or represent:\"This wall forms the background\"\n"
      "    2: hit with the fist\n";
  EXPECT_EQ(WordNetToMarkup(u"Box", article),
            "Box\n"
            "[noun]\n"
            "1. a (usually rectangular) container; may have a lid {\"he rummaged through a box of spare parts\"}\n"
            "   Synonyms: case\n"
            "2. the driver's seat on a coach {\"an armed guard sat in the box with the driver\"} {\"a (raised) box\"}\n"
            "   Synonyms: box seat\n"
            "   Antonyms: unbox\n"
            "[verb]\n"
            "1. to compose or represent {\"This wall forms the background\"}\n"
            "2. hit with the fist");
}

TEST(WordNetStyle, TextOutsideTheSenseLayoutIsKeptPlain) {
  EXPECT_EQ(WordNetToMarkup(u"x", "x\n    WordNet {3.0} [2006]\n"), "x\nWordNet (3.0) (2006)");
}

TEST(FoldocStyle, ParagraphsSubjectsAndReferences) {
  const std::string article =
      "flame\n"
      "flamage\n"
      "\n"
      "   <messaging> To rant, in any medium (e.g. {electronic\n"
      "   mail}, {Usenet} news).  See {flame [war]}.\n"
      "\n"
      "      flame on\n"
      "        flame off\n"
      "\n"
      "   2. <jargon> A reply ]that flames.\n"
      "   [\"The Jargon File\", 1990].\n"
      "\n"
      "   (1996-06-06)\n"
      "\n";
  EXPECT_EQ(FoldocToMarkup(u"flamage", article),
            "flamage\n"
            "[messaging] To rant, in any medium (e.g. {electronic mail}, {Usenet} news).  See {flame (war)}.\n"
            "flame on\n"
            "  flame off\n"
            "2. [jargon] A reply )that flames. [\"The Jargon File\", 1990].\n"
            "(1996-06-06)");
}

TEST(BracketText, OnlyPairedBracketsStayCodes) {
  const std::pair<std::string, std::string> cases[] = {
      {"a {b} [c] d", "a {b} [c] d"},
      {"a {b [c] d} e", "a {b (c) d} e"},
      {"a } b ] c", "a ) b ) c"},
      {"a {b] c}", "a {b) c}"},
      {"open {to the end", "open {to the end}"},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(BalanceBrackets(line), expected) << line;
}

TEST(TaggedText, HtmlBecomesLinesWithMarks) {
  const std::pair<std::string, std::string> cases[] = {
      {"<b>book</b> <i>n</i><br/>a  written\n work", "book n\na written work"},
      {"<p>one</p><p>two</p>", "one\ntwo"},
      {"intro<ul><li>first</li><li> second </li></ul>end", "intro\n-first\n-second\nend"},
      {"a &lt;b&gt; &amp; &quot;c&quot; &#x1EA1;&#273; &unknown; &", "a <b> & \"c\" ạđ &unknown; &"},
      {"<style>p{color:red}</style><SCRIPT>x<y</script>text<!-- note -->!", "text!"},
      {"<br><br><div></div>only", "only"},
      {"unclosed <tag", "unclosed <tag"},
  };
  for (const auto& [html, expected] : cases) EXPECT_EQ(TaggedTextToMarkup(html, TagDialect::Html), expected) << html;
}

TEST(TaggedText, XdxfStructureBecomesLineMarks) {
  const std::string xdxf =
      "<k>read</k> <tr>riːd</tr>\n"
      "<pos><abr>v.</abr></pos>\n"
      "<def><dtrn>đọc</dtrn>\n"
      "<ex>read a <kref>book</kref></ex>\n"
      "<co>irregular</co></def>";
  EXPECT_EQ(TaggedTextToMarkup(xdxf, TagDialect::Xdxf), "@read [riːd]\n*v.\n-đọc\n=read a book\nirregular");
}

}  // namespace
}  // namespace lexorin
