#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lexorin::cli {

// Exit codes of the lexorin program.
enum ExitCode : int { kSuccess = 0, kNothingFound = 1, kUsageError = 2, kDataError = 3 };

// A wrong command line; main prints the message and the command's usage.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CommandContext {
  std::filesystem::path dataDir;
  std::vector<std::string> args;  // the arguments after the command name
};

using CommandFunction = std::function<int(CommandContext&)>;

// Commands register themselves from their own source file:
//   static const CommandRegistration kLookup{"lookup", "usage text", &RunLookup};
struct CommandRegistration {
  CommandRegistration(std::string_view name, std::string_view usage, CommandFunction run);
};

struct Command {
  std::string name;
  std::string usage;
  CommandFunction run;
};
const std::vector<Command>& Commands();

// A small option parser: flags ("--json"), valued options ("--pane X") and
// positional arguments, in any order. Unknown options are usage errors.
class Arguments {
 public:
  Arguments(const std::vector<std::string>& args, std::vector<std::string_view> flags,
            std::vector<std::string_view> valued);
  bool Has(std::string_view flag) const;
  std::optional<std::string> Value(std::string_view option) const;
  const std::vector<std::string>& Positional() const { return positional_; }

 private:
  std::vector<std::string> flagsSeen_;
  std::vector<std::pair<std::string, std::string>> values_;
  std::vector<std::string> positional_;
};

// The lines of a batch file, or of standard input for "-"; a CR before the
// line feed is dropped. Throws DataFileError when the file cannot be read.
std::vector<std::string> ReadBatchLines(const std::string& source);

// True when standard output is a terminal (colours are written only then).
bool StdoutIsTerminal();

}  // namespace lexorin::cli
