#pragma once
// Small dictionaries of other formats, made by the tests themselves.
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dictionary/loaded_dictionary.h"
#include "dictionary/text_encoding.h"

namespace lexorin::test {

inline std::string BigEndian(uint64_t value, size_t width) {
  std::string out(width, '\0');
  for (size_t i = 0; i < width; ++i) out[width - 1 - i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

inline std::string Little(uint64_t value, size_t width) {
  std::string out(width, '\0');
  for (size_t i = 0; i < width; ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// A dictzip file of `text`: chunks of `chunkLength` bytes, each deflated on
// its own. Like the usual writer, the stream's final empty block follows the
// last chunk outside the chunk table, unless `finalBlockInLastChunk`.
struct Dictzip {
  std::string bytes;
  size_t tableAt = 0;       // where the chunk table starts (its version field)
  size_t dataAt = 0;        // where the first chunk starts
  std::vector<uint16_t> chunkSizes;
};

inline Dictzip MakeDictzip(std::string_view text, size_t chunkLength, bool finalBlockInLastChunk = false) {
  z_stream stream{};
  deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  Dictzip result;
  std::string data;
  const auto run = [&](const char* input, size_t size, int flush) {
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input));
    stream.avail_in = static_cast<uInt>(size);
    size_t before = data.size();
    char buffer[4096];
    do {
      stream.next_out = reinterpret_cast<Bytef*>(buffer);
      stream.avail_out = sizeof buffer;
      deflate(&stream, flush);
      data.append(buffer, sizeof buffer - stream.avail_out);
    } while (stream.avail_out == 0);
    return data.size() - before;
  };
  for (size_t at = 0; at < text.size(); at += chunkLength) {
    const size_t size = std::min(chunkLength, text.size() - at);
    const bool last = at + size >= text.size();
    result.chunkSizes.push_back(
        static_cast<uint16_t>(run(text.data() + at, size, last && finalBlockInLastChunk ? Z_FINISH : Z_FULL_FLUSH)));
  }
  if (!finalBlockInLastChunk) run(nullptr, 0, Z_FINISH);
  deflateEnd(&stream);

  const size_t count = result.chunkSizes.size();
  std::string header = "\x1F\x8B\x08\x04";  // deflate, extra field present
  header += std::string(4, '\0') + "\x02\x03";
  header += Little(10 + 2 * count, 2) + "RA" + Little(6 + 2 * count, 2);
  result.tableAt = header.size();
  header += Little(1, 2) + Little(chunkLength, 2) + Little(count, 2);
  for (const uint16_t size : result.chunkSizes) header += Little(size, 2);
  result.dataAt = header.size();
  const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(text.data()), static_cast<uInt>(text.size()));
  result.bytes = header + data + Little(crc, 4) + Little(text.size(), 4);
  return result;
}

// A plain gzip file of `text`.
inline std::string MakeGzip(std::string_view text) {
  z_stream stream{};
  deflateInit2(&stream, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  std::string out(deflateBound(&stream, static_cast<uLong>(text.size())) + 32, '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  stream.avail_in = static_cast<uInt>(text.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

// Every headword of a written dictionary with its entry, in file order.
inline std::vector<std::pair<std::string, std::string>> ReadBack(const std::filesystem::path& base) {
  const auto dictionary = LoadedDictionary::Load(DictionaryPaths::ForBasePath(base));
  std::vector<std::pair<std::string, std::string>> entries;
  for (size_t i = 0; i < dictionary->size(); ++i) {
    entries.emplace_back(Utf16ToUtf8(dictionary->headwords()[i]), Utf16ToUtf8(dictionary->ReadEntryAt(i).text));
  }
  return entries;
}

inline std::string ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline bool AnyDictionaryFile(const std::filesystem::path& base) {
  for (const char* extension : {".index1", ".index2", ".index3", ".dict"}) {
    if (std::filesystem::exists(base.string() + extension)) return true;
  }
  return false;
}

}  // namespace lexorin::test
