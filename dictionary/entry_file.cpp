#include "dictionary/entry_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "dictionary/radix64.h"
#include "dictionary/text_encoding.h"

namespace lexorin {
namespace {

// Number of bytes at the end of `bytes` that start a UTF-8 sequence the
// buffer cuts short.
size_t IncompleteTail(std::string_view bytes) {
  size_t back = 0;
  while (back < 3 && back < bytes.size() &&
         (static_cast<unsigned char>(bytes[bytes.size() - 1 - back]) & 0xC0) == 0x80) {
    ++back;
  }
  if (back == bytes.size()) return 0;
  const auto lead = static_cast<unsigned char>(bytes[bytes.size() - 1 - back]);
  const size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return need > back + 1 ? back + 1 : 0;
}

}  // namespace

EntryFile::~EntryFile() {
  if (fd_ >= 0) ::close(fd_);
}

EntryFile& EntryFile::operator=(EntryFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

int32_t EntryFile::ReadAt(char* buffer, int32_t size, int64_t offset) const {
  if (fd_ < 0 || size <= 0 || offset < 0) return 0;
  int32_t done = 0;
  while (done < size) {
    const ssize_t got = ::pread(fd_, buffer + done, static_cast<size_t>(size - done), static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    done += static_cast<int32_t>(got);
  }
  return done;
}

EntryFile OpenEntryFile(const std::filesystem::path& path) {
  return EntryFile(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

EntryText ConvertEntryBytes(std::string_view bytes) {
  EntryText entry;
  entry.bytesRead = static_cast<int32_t>(bytes.size());
  if (bytes.empty()) return entry;
  std::u16string text;
  text.reserve(bytes.size());
  AppendUtf8AsUtf16(bytes, text);
  if (text.size() > static_cast<size_t>(kMaxEntryUnits)) return entry;
  entry.unitsConverted = static_cast<int32_t>(text.size());
  entry.text = std::move(text);
  return entry;
}

EntryText ReadEntry(const EntryFile& file, std::string_view offsetLine, std::string_view lengthLine) {
  const int32_t offset = DecodeRadix64(offsetLine);
  const int32_t length = DecodeRadix64(lengthLine);
  if (offset < 0 || length <= 0) return {};
  const bool cut = length > kMaxEntryBytes;
  std::vector<char> buffer(static_cast<size_t>(cut ? kMaxEntryBytes : length));
  const int32_t got = file.ReadAt(buffer.data(), static_cast<int32_t>(buffer.size()), offset);
  std::string_view bytes(buffer.data(), static_cast<size_t>(got));
  if (cut && got == kMaxEntryBytes) bytes.remove_suffix(IncompleteTail(bytes));
  EntryText entry = ConvertEntryBytes(bytes);
  entry.bytesRead = got;
  return entry;
}

}  // namespace lexorin
