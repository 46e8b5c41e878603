#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

namespace lexorin {

// A dictionary file that is missing, unreadable or too large. what() names
// the file and the reason, in one line.
class DataFileError : public std::runtime_error {
 public:
  DataFileError(const std::filesystem::path& path, const std::string& reason)
      : std::runtime_error(path.string() + ": " + reason), path_(path) {}
  const std::filesystem::path& path() const noexcept { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace lexorin
