#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lexorin {

// Helpers for writing articles in the English-English mark-up, where
// { starts purple text, [ blue text, and } or ] ends either.

// Free text with its brackets made ordinary: { and [ become (, } and ]
// become ), so the text sets no colour.
std::string PlainBrackets(std::string_view text);

// Keeps the brackets of a line of mark-up as codes only where they pair up:
// one span open at a time, closed by its own kind. A bracket opening inside
// a span, or closing none, becomes a parenthesis; a span still open at the
// end of the line is closed there.
std::string BalanceBrackets(std::string_view line);

// Runs of spaces, tabs and line breaks as single spaces, without spaces at
// either end.
std::string CollapseSpaces(std::string_view text);

// The lines of an article, split at LF (a CR before it is dropped).
std::vector<std::string_view> SplitLines(std::string_view text);

// The number of spaces a line starts with.
size_t Indentation(std::string_view line);

}  // namespace lexorin
