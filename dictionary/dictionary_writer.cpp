#include "dictionary/dictionary_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <unordered_map>

#include "dictionary/data_file_error.h"
#include "dictionary/headword_compare.h"
#include "dictionary/radix64.h"

namespace lexorin {
namespace {

std::filesystem::path TemporaryName(const std::filesystem::path& path) {
  return path.string() + ".partial";
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw DataFileError(path, std::strerror(errno));
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw DataFileError(path, "write failed");
}

void AppendUtf16Le(std::string& out, std::u16string_view text) {
  for (char16_t unit : text) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
  }
}

}  // namespace

void SortEntries(std::vector<DictionaryEntry>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const DictionaryEntry& a, const DictionaryEntry& b) {
    return CompareHeadwords(a.headword, b.headword) < 0;
  });
}

void WriteDictionary(const DictionaryPaths& paths, const std::vector<DictionaryEntry>& entries) {
  std::string headwords = "\xFF\xFE";
  std::string offsets;
  std::string lengths;
  std::string bodies;
  // Headwords that share an article (synonyms, several index keys of one
  // article) point at one copy of it.
  std::unordered_map<std::string_view, uint32_t> written;
  for (const DictionaryEntry& entry : entries) {
    if (entry.headword.find_first_of(u"\r\n\u2028", 0, 3) != std::u16string::npos ||
        entry.headword.find(u'\0') != std::u16string::npos) {
      throw DataFileError(paths.headwords, "a headword contains a line break");
    }
    if (bodies.size() + entry.body.size() > 0x7FFFFFFFu) throw DataFileError(paths.entries, "entry file above 2 GiB");
    AppendUtf16Le(headwords, entry.headword);
    AppendUtf16Le(headwords, u"\r\n");
    const auto [copy, isNew] = written.try_emplace(entry.body, static_cast<uint32_t>(bodies.size()));
    offsets += EncodeRadix64(copy->second) + "\r\n";
    lengths += EncodeRadix64(static_cast<uint32_t>(entry.body.size())) + "\r\n";
    if (isNew) bodies += entry.body;
  }
  const std::pair<const std::filesystem::path*, const std::string*> files[] = {
      {&paths.headwords, &headwords}, {&paths.offsets, &offsets}, {&paths.lengths, &lengths}, {&paths.entries, &bodies}};
  try {
    for (const auto& [path, bytes] : files) WriteFile(TemporaryName(*path), *bytes);
  } catch (...) {
    for (const auto& file : files) std::filesystem::remove(TemporaryName(*file.first));
    throw;
  }
  for (const auto& [path, bytes] : files) {
    std::error_code error;
    std::filesystem::rename(TemporaryName(*path), *path, error);
    if (error) throw DataFileError(*path, error.message());
  }
}

}  // namespace lexorin
