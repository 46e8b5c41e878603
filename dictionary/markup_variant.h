#pragma once

namespace lexorin {

// The five mark-up dialects of the entry files; each pane reads one.
enum class MarkupVariant { IpaFull, IpaCore, Core, CoreHash, BracketOnly };

}  // namespace lexorin
