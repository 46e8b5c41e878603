#include "dictionary/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "dictionary/data_file_error.h"

namespace lexorin {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(const std::filesystem::path& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) throw DataFileError(path, std::strerror(errno));
  }
  ~FileDescriptor() { ::close(fd_); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  size_t Size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) throw DataFileError(path_, std::strerror(errno));
    if (!S_ISREG(info.st_mode)) throw DataFileError(path_, "not a regular file");
    return static_cast<size_t>(info.st_size);
  }

  // Reads up to `size` bytes at `offset` into `buffer`; returns the count.
  size_t ReadAt(char* buffer, size_t size, off_t offset) const {
    size_t done = 0;
    while (done < size) {
      const ssize_t got = ::pread(fd_, buffer + done, size - done, offset + static_cast<off_t>(done));
      if (got < 0) {
        if (errno == EINTR) continue;
        throw DataFileError(path_, std::strerror(errno));
      }
      if (got == 0) break;
      done += static_cast<size_t>(got);
    }
    return done;
  }

 private:
  std::filesystem::path path_;
  int fd_ = -1;
};

}  // namespace

void ReadWholeFile(const std::filesystem::path& path, std::string& out) {
  FileDescriptor file(path);
  const size_t size = file.Size();
  const size_t start = out.size();
  out.resize(start + size);
  out.resize(start + file.ReadAt(out.data() + start, size, 0));
}

void ReadWholeFile(const std::filesystem::path& path, std::u16string& out, size_t skipBytes) {
  FileDescriptor file(path);
  const size_t size = file.Size();
  const size_t bytes = size > skipBytes ? size - skipBytes : 0;
  const size_t start = out.size();
  out.resize(start + bytes / 2);  // an odd last byte is ignored
  const size_t got = file.ReadAt(reinterpret_cast<char*>(out.data() + start), (bytes / 2) * 2,
                                 static_cast<off_t>(skipBytes));
  out.resize(start + got / 2);
}

std::string ReadFilePrefix(const std::filesystem::path& path, size_t n) {
  FileDescriptor file(path);
  std::string prefix(n, '\0');
  prefix.resize(file.ReadAt(prefix.data(), n, 0));
  return prefix;
}

}  // namespace lexorin
