#pragma once
#include <string>
#include <string_view>

namespace lexorin {

// Articles written in a tag language.
//   Html: HTML, and Pango mark-up, which uses a subset of its tags.
//   Xdxf: the XDXF article mark-up.
enum class TagDialect { Html, Xdxf };

// The text of a tagged article, with its structure mapped onto our line
// marks where it maps cleanly: an XDXF key becomes an @ line, its
// transcription [..], a part of speech or grammar note a * line, a
// translation a - line, an example an = line; an HTML list item becomes a -
// line and block elements become line breaks. Other tags are dropped,
// character references decoded, and the content of HTML script and style
// elements left out. HTML collapses white space; XDXF keeps line breaks.
std::string TaggedTextToMarkup(std::string_view text, TagDialect dialect);

}  // namespace lexorin
