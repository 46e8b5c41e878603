#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "importers/dictzip.h"

namespace lexorin {

// The article file of an imported dictionary: `<stem>.dict`, or
// `<stem>.dict.dz` when only the compressed one exists.
class ArticleFile {
 public:
  // Throws DataFileError when neither file can be read, ImportError when the
  // compressed file is damaged.
  static ArticleFile Open(const std::filesystem::path& stem);
  // An article file held in memory (plain, or compressed when `compressed`).
  ArticleFile(std::string bytes, std::filesystem::path name, bool compressed);

  const std::filesystem::path& path() const { return path_; }
  // The size of the (uncompressed) text.
  uint64_t size() const;
  // True when [offset, offset + length) lies within the text.
  bool Holds(uint64_t offset, uint64_t length) const { return offset <= size() && length <= size() - offset; }
  // The bytes of a range that Holds.
  std::string Read(uint64_t offset, uint64_t length);

 private:
  std::filesystem::path path_;
  std::string plain_;
  std::optional<DictzipReader> compressed_;
};

}  // namespace lexorin
