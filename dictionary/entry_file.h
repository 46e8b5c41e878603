#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lexorin {

// The largest entry, in bytes and in UTF-16 units after conversion.
inline constexpr int32_t kMaxEntryBytes = 64000;
inline constexpr int32_t kMaxEntryUnits = 64000;

// An open entry (.dict) file. Reads use positioned reads, so one handle may be
// read from any thread without a shared file position.
class EntryFile {
 public:
  EntryFile() = default;
  explicit EntryFile(int fd) : fd_(fd) {}
  ~EntryFile();
  EntryFile(EntryFile&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  EntryFile& operator=(EntryFile&& other) noexcept;
  EntryFile(const EntryFile&) = delete;
  EntryFile& operator=(const EntryFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // Reads up to `size` bytes at `offset`; 0 when closed, on error or at or
  // past the end.
  int32_t ReadAt(char* buffer, int32_t size, int64_t offset) const;

 private:
  int fd_ = -1;
};

// Opens an entry file for reading if it exists. A missing or unreadable file
// gives a closed handle, which is noticed only when an entry is read.
EntryFile OpenEntryFile(const std::filesystem::path& path);

struct EntryText {
  std::u16string text;
  int32_t bytesRead = 0;
  int32_t unitsConverted = 0;
};

// Reads one entry addressed by its offset and length lines and converts it
// from UTF-8. Damaged numbers never read outside the file or the buffers:
// a negative offset or length reads nothing, a length above 64000 bytes reads
// the first 64000 bytes (cut back to the last whole character).
EntryText ReadEntry(const EntryFile& file, std::string_view offsetLine, std::string_view lengthLine);

// Converts the bytes of one entry: malformed UTF-8 becomes U+FFFD; more than
// 64000 units, or no bytes at all, give no text.
EntryText ConvertEntryBytes(std::string_view bytes);

}  // namespace lexorin
