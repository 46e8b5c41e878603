#include "importers/dictzip.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "importers/import_error.h"

namespace lexorin {
namespace {

constexpr unsigned char kFlagText = 0x01;
constexpr unsigned char kFlagHeaderCrc = 0x02;
constexpr unsigned char kFlagExtra = 0x04;
constexpr unsigned char kFlagName = 0x08;
constexpr unsigned char kFlagComment = 0x10;
constexpr size_t kFixedHeader = 10;
constexpr size_t kTrailer = 8;  // CRC-32 and the uncompressed size modulo 2^32

uint32_t Little16(const std::string& bytes, size_t at) {
  return static_cast<unsigned char>(bytes[at]) | static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8;
}

uint32_t Little32(const std::string& bytes, size_t at) { return Little16(bytes, at) | Little16(bytes, at + 2) << 16; }

// Inflates `input` (raw deflate when `raw`, else gzip) into at most
// `limit` bytes. Returns false with `error` set when the data is corrupt or
// does not fit.
bool Inflate(const char* input, size_t size, bool raw, uint64_t limit, std::string& out, std::string& error) {
  z_stream stream{};
  if (inflateInit2(&stream, raw ? -MAX_WBITS : 16 + MAX_WBITS) != Z_OK) {
    error = "zlib cannot start";
    return false;
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
  stream.avail_in = static_cast<uInt>(size);
  char buffer[65536];
  bool complete = false;
  for (;;) {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    const int result = inflate(&stream, Z_NO_FLUSH);
    const size_t produced = sizeof buffer - stream.avail_out;
    if (out.size() + produced > limit) {
      error = "inflates to more than " + std::to_string(limit) + " bytes";
      break;
    }
    out.append(buffer, produced);
    if (result == Z_STREAM_END) {
      complete = stream.avail_in == 0;
      if (!complete) error = "data continues after the end of the compressed stream";
      break;
    }
    if (result != Z_OK && result != Z_BUF_ERROR) {
      error = stream.msg != nullptr ? stream.msg : "corrupt compressed data";
      break;
    }
    if (stream.avail_out != 0) {
      // Inflate stopped for want of input. A dictzip chunk other than the
      // last ends there, without the final block.
      complete = raw && stream.avail_in == 0;
      if (!complete) error = "the compressed data is cut short";
      break;
    }
  }
  inflateEnd(&stream);
  return complete;
}

}  // namespace

DictzipReader::DictzipReader(std::string compressed, std::filesystem::path name)
    : compressed_(std::move(compressed)), name_(std::move(name)) {
  ParseHeader();
}

void DictzipReader::ParseHeader() {
  const std::string& bytes = compressed_;
  if (bytes.size() < kFixedHeader + kTrailer || static_cast<unsigned char>(bytes[0]) != 0x1F ||
      static_cast<unsigned char>(bytes[1]) != 0x8B || bytes[2] != 8) {
    throw ImportError(name_, kAtByte, 0, "not a gzip file");
  }
  const auto flags = static_cast<unsigned char>(bytes[3]);
  if (flags & ~(kFlagText | kFlagHeaderCrc | kFlagExtra | kFlagName | kFlagComment)) {
    throw ImportError(name_, kAtByte, 3, "unknown gzip header flags");
  }
  size_t at = kFixedHeader;
  size_t tableAt = 0;
  size_t tableSize = 0;
  if (flags & kFlagExtra) {
    if (at + 2 > bytes.size()) throw ImportError(name_, kAtByte, at, "the gzip header is cut short");
    const size_t extraEnd = at + 2 + Little16(bytes, at);
    if (extraEnd > bytes.size()) throw ImportError(name_, kAtByte, at, "the gzip extra field runs past the end");
    at += 2;
    while (at + 4 <= extraEnd) {
      const size_t fieldSize = Little16(bytes, at + 2);
      if (at + 4 + fieldSize > extraEnd) throw ImportError(name_, kAtByte, at, "a gzip extra subfield runs past its field");
      if (bytes[at] == 'R' && bytes[at + 1] == 'A') {
        tableAt = at + 4;
        tableSize = fieldSize;
      }
      at += 4 + fieldSize;
    }
    at = extraEnd;
  }
  for (const unsigned char flag : {kFlagName, kFlagComment}) {
    if (!(flags & flag)) continue;
    const size_t end = bytes.find('\0', at);
    if (end == std::string::npos) throw ImportError(name_, kAtByte, at, "the gzip header is cut short");
    at = end + 1;
  }
  if (flags & kFlagHeaderCrc) at += 2;
  if (at + kTrailer > bytes.size()) throw ImportError(name_, kAtByte, at, "the gzip header is cut short");
  const size_t dataEnd = bytes.size() - kTrailer;
  const uint32_t sizeModulo = Little32(bytes, dataEnd + 4);

  if (tableSize == 0) {
    // Plain gzip: inflate it all now.
    std::string error;
    if (!Inflate(bytes.data(), bytes.size(), false, std::numeric_limits<uint32_t>::max(), whole_, error)) {
      throw ImportError(name_, kAtByte, at, error);
    }
    size_ = whole_.size();
    return;
  }

  if (tableSize < 6) throw ImportError(name_, kAtByte, tableAt, "the chunk table is cut short");
  const uint32_t version = Little16(bytes, tableAt);
  if (version != 1) throw ImportError(name_, kAtByte, tableAt, "unknown chunk table version " + std::to_string(version));
  chunkLength_ = Little16(bytes, tableAt + 2);
  const size_t count = Little16(bytes, tableAt + 4);
  if (chunkLength_ == 0 || count == 0) throw ImportError(name_, kAtByte, tableAt, "the chunk table is empty");
  if (tableSize != 6 + 2 * count) {
    throw ImportError(name_, kAtByte, tableAt,
                      "the chunk table lists " + std::to_string(count) + " chunks but holds " +
                          std::to_string((tableSize - 6) / 2));
  }
  chunkStarts_.reserve(count + 1);
  uint64_t start = at;
  for (size_t i = 0; i < count; ++i) {
    chunkStarts_.push_back(start);
    const uint32_t chunkSize = Little16(bytes, tableAt + 6 + 2 * i);
    if (chunkSize == 0) throw ImportError(name_, kAtByte, tableAt + 6 + 2 * i, "chunk " + std::to_string(i) + " is empty");
    start += chunkSize;
  }
  chunkStarts_.push_back(start);
  // The deflate stream may end with a few bytes after the last chunk (the
  // final empty block); a table that covers more than the file is damaged.
  if (start > dataEnd) {
    throw ImportError(name_, kAtByte, tableAt,
                      "the chunk table covers " + std::to_string(start - at) + " bytes of compressed data, the file holds " +
                          std::to_string(dataEnd - at));
  }
  randomAccess_ = true;
  size_ = (count - 1) * chunkLength_ + Chunk(count - 1).size();
  if (static_cast<uint32_t>(size_) != sizeModulo) {
    throw ImportError(name_, kAtByte, dataEnd + 4, "the chunks inflate to a size other than the one the trailer gives");
  }
}

std::string DictzipReader::InflateChunk(size_t index) const {
  const uint64_t begin = chunkStarts_[index];
  const uint64_t end = chunkStarts_[index + 1];
  std::string out;
  std::string error;
  if (!Inflate(compressed_.data() + begin, end - begin, true, chunkLength_, out, error)) {
    throw ImportError(name_, kAtByte, begin, "chunk " + std::to_string(index) + " does not inflate: " + error);
  }
  const bool last = index + 2 == chunkStarts_.size();
  if (out.empty() || (!last && out.size() != chunkLength_)) {
    throw ImportError(name_, kAtByte, begin,
                      "chunk " + std::to_string(index) + " inflates to " + std::to_string(out.size()) +
                          " bytes instead of " + std::to_string(chunkLength_));
  }
  return out;
}

const std::string& DictzipReader::Chunk(size_t index) {
  if (cachedIndex_ != index) {
    cached_ = InflateChunk(index);
    cachedIndex_ = index;
  }
  return cached_;
}

std::string DictzipReader::Read(uint64_t offset, uint64_t length) {
  if (offset > size_ || length > size_ - offset) {
    throw ImportError(name_, kAtByte, offset, "read past the end of the inflated text");
  }
  if (!randomAccess_) return whole_.substr(offset, length);
  std::string out;
  out.reserve(length);
  while (length > 0) {
    const size_t index = offset / chunkLength_;
    const std::string& chunk = Chunk(index);
    const uint64_t inChunk = offset - index * chunkLength_;
    const uint64_t take = std::min<uint64_t>(length, chunk.size() - inChunk);
    out.append(chunk, inChunk, take);
    offset += take;
    length -= take;
  }
  return out;
}

}  // namespace lexorin
