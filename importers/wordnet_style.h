#pragma once
#include <string>
#include <string_view>

namespace lexorin {

// Rewrites a WordNet article as served by a dict server into the
// English-English mark-up. The article is the headword line followed by
// senses such as
//     n 1: a container; "a box of parts" [syn: {box}, {case}]
//     2: ...
//     v 1: ...
// wrapped onto indented lines. The entry becomes
//   box
//   [noun]
//   1. a container {"a box of parts"}
//      Synonyms: case
// with the kind of word in blue, each example in purple, and the synonyms
// (other than the headword itself) and antonyms on labelled lines. Text the
// layout does not match is kept as plain lines.
std::string WordNetToMarkup(std::u16string_view headword, std::string_view article);

}  // namespace lexorin
