// lexorin: the dictionary on the command line.
//   lexorin [--data DIR] COMMAND ...
#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "dictionary/data_file_error.h"
#include "tools/cli.h"

namespace {

using namespace lexorin::cli;

std::filesystem::path DefaultDataDir() {
  if (const char* env = std::getenv("LEXORIN_DATA"); env && *env) return env;
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return self.parent_path() / "Data";
  return "Data";
}

void PrintUsage(std::ostream& out) {
  out << "usage: lexorin [--data DIR] COMMAND ...\n\ncommands:\n";
  for (const Command& command : Commands()) out << "  " << command.usage << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::filesystem::path dataDir;
  size_t next = 0;
  while (next < args.size() && args[next].starts_with("--")) {
    if (args[next] == "--data" && next + 1 < args.size()) {
      dataDir = args[next + 1];
      next += 2;
    } else if (args[next] == "--help") {
      PrintUsage(std::cout);
      return kSuccess;
    } else {
      std::cerr << "lexorin: unknown option " << args[next] << "\n";
      PrintUsage(std::cerr);
      return kUsageError;
    }
  }
  if (next >= args.size()) {
    PrintUsage(std::cerr);
    return kUsageError;
  }
  if (dataDir.empty()) dataDir = DefaultDataDir();

  const std::string name = args[next];
  for (const Command& command : Commands()) {
    if (command.name != name) continue;
    CommandContext context{dataDir, std::vector<std::string>(args.begin() + static_cast<long>(next) + 1, args.end())};
    try {
      return command.run(context);
    } catch (const UsageError& error) {
      std::cerr << "lexorin " << name << ": " << error.what() << "\nusage: lexorin [--data DIR] " << command.usage
                << "\n";
      return kUsageError;
    } catch (const lexorin::DataFileError& error) {
      std::cerr << "lexorin: " << error.what() << "\n";
      return kDataError;
    }
  }
  std::cerr << "lexorin: unknown command " << name << "\n";
  PrintUsage(std::cerr);
  return kUsageError;
}
