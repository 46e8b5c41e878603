#pragma once
#include <filesystem>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_writer.h"

namespace lexorin {

// Our own source format: UTF-8 text (a leading byte-order mark is skipped),
// lines ending at LF or CR LF. An entry is a headword line followed by one or
// more body lines in the mark-up of the pane that shows it; entries are
// separated by a blank line. A body is its lines joined with LF.
//
// Entries come out in the order of the file. Throws ImportError naming
// `name` and the line for text that is not UTF-8, a headword without a body,
// a NUL or stray CR, and an entry above the size an entry may have.
std::vector<DictionaryEntry> ParseTextSource(std::string_view bytes, const std::filesystem::path& name);

}  // namespace lexorin
