#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace lexorin {

// A compressed article file (.dict.dz). Normally a dictzip file: gzip whose
// extra field "RA" holds the uncompressed chunk length and the compressed
// size of every chunk, each chunk deflated on its own, so a byte range is
// read by inflating only the chunks that cover it. A gzip file without that
// table is inflated whole when opened.
//
// The header, the chunk table and the trailer are checked when the file is
// opened; a chunk that does not inflate to its length is reported when it
// is read. Both throw ImportError naming the file and the byte.
class DictzipReader {
 public:
  DictzipReader(std::string compressed, std::filesystem::path name);

  // The size of the uncompressed text.
  uint64_t size() const { return size_; }

  // Bytes [offset, offset + length) of the uncompressed text; the range must
  // lie within size(). The last chunk read is kept, so reading articles in
  // file order inflates each chunk once.
  std::string Read(uint64_t offset, uint64_t length);

 private:
  void ParseHeader();
  const std::string& Chunk(size_t index);
  std::string InflateChunk(size_t index) const;

  std::string compressed_;
  std::filesystem::path name_;
  uint64_t chunkLength_ = 0;
  std::vector<uint64_t> chunkStarts_;  // compressed offset of each chunk, then the end of the last
  uint64_t size_ = 0;
  size_t cachedIndex_ = SIZE_MAX;
  std::string cached_;
  std::string whole_;  // the text of a gzip file without a chunk table
  bool randomAccess_ = false;
};

}  // namespace lexorin
