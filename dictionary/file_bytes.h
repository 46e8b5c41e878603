#pragma once
#include <filesystem>
#include <string>

namespace lexorin {

// The whole content of a file, appended to `out` after `skip` bytes of it
// (the raw bytes land in out's storage, so a UTF-16 file can be read straight
// into a std::u16string). Throws DataFileError when the file cannot be
// opened or read.
void ReadWholeFile(const std::filesystem::path& path, std::string& out);
void ReadWholeFile(const std::filesystem::path& path, std::u16string& out, size_t skipBytes);

// The first bytes of a file (at most n), for sniffing a byte-order mark.
std::string ReadFilePrefix(const std::filesystem::path& path, size_t n);

}  // namespace lexorin
