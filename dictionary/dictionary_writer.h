#pragma once
#include <string>
#include <vector>

#include "dictionary/loaded_dictionary.h"

namespace lexorin {

struct DictionaryEntry {
  std::u16string headword;
  std::string body;  // UTF-8 entry text in the pane's mark-up
};

// Sorts entries into the headword order, keeping the order of appearance
// among equal headwords.
void SortEntries(std::vector<DictionaryEntry>& entries);

// Writes the four files of a dictionary: the headwords as UTF-16
// little-endian with a byte-order mark and CR LF breaks, the offsets and
// lengths as radix-64 lines with CR LF, the bodies one after another in the
// entry file, each distinct body once. Entries are written in the given order. Each file is written
// to a temporary name and renamed into place only when all four are
// complete, so a failure never leaves a half-written dictionary. Throws
// DataFileError. Headwords must not contain line breaks or NUL.
void WriteDictionary(const DictionaryPaths& paths, const std::vector<DictionaryEntry>& entries);

}  // namespace lexorin
