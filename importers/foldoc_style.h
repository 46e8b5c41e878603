#pragma once
#include <string>
#include <string_view>

namespace lexorin {

// Rewrites a FOLDOC article as served by a dict server into the
// English-English mark-up. The article is its names, one a line, then
// paragraphs indented and wrapped:
//      <messaging> To rant ... in any medium (e.g. {Usenet}).
//      ["A book", Author, 1990].
// Each paragraph becomes one line (lines indented deeper than the paragraph,
// such as code, stay lines of their own); the subject area in angle brackets
// that opens a sense becomes blue, cross references in braces purple and
// bibliographic references in square brackets blue. The entry starts with
// the headword.
std::string FoldocToMarkup(std::u16string_view headword, std::string_view article);

}  // namespace lexorin
