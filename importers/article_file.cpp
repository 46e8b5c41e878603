#include "importers/article_file.h"

#include "dictionary/data_file_error.h"
#include "dictionary/file_bytes.h"

namespace lexorin {

ArticleFile::ArticleFile(std::string bytes, std::filesystem::path name, bool compressed) : path_(std::move(name)) {
  if (compressed) {
    compressed_.emplace(std::move(bytes), path_);
  } else {
    plain_ = std::move(bytes);
  }
}

ArticleFile ArticleFile::Open(const std::filesystem::path& stem) {
  const std::filesystem::path plain = stem.string() + ".dict";
  const std::filesystem::path packed = stem.string() + ".dict.dz";
  const bool usePacked = !std::filesystem::exists(plain) && std::filesystem::exists(packed);
  const std::filesystem::path& path = usePacked ? packed : plain;
  if (!usePacked && !std::filesystem::exists(plain)) {
    throw DataFileError(plain, "no such file (nor " + packed.filename().string() + ")");
  }
  std::string bytes;
  ReadWholeFile(path, bytes);
  return ArticleFile(std::move(bytes), path, usePacked);
}

uint64_t ArticleFile::size() const { return compressed_ ? compressed_->size() : plain_.size(); }

std::string ArticleFile::Read(uint64_t offset, uint64_t length) {
  if (compressed_) return compressed_->Read(offset, length);
  return plain_.substr(offset, length);
}

}  // namespace lexorin
