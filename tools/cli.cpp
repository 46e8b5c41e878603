#include "tools/cli.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iostream>

#include "dictionary/data_file_error.h"

namespace lexorin::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

bool Contains(const std::vector<std::string_view>& list, std::string_view item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

CommandRegistration::CommandRegistration(std::string_view name, std::string_view usage, CommandFunction run) {
  Registry().push_back({std::string(name), std::string(usage), std::move(run)});
  std::sort(Registry().begin(), Registry().end(), [](const Command& a, const Command& b) { return a.name < b.name; });
}

const std::vector<Command>& Commands() { return Registry(); }

Arguments::Arguments(const std::vector<std::string>& args, std::vector<std::string_view> flags,
                     std::vector<std::string_view> valued) {
  bool onlyPositional = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyPositional || arg.size() < 2 || arg[0] != '-' || arg == "-") {
      positional_.push_back(arg);
    } else if (arg == "--") {
      onlyPositional = true;
    } else if (Contains(flags, arg)) {
      flagsSeen_.push_back(arg);
    } else if (Contains(valued, arg)) {
      if (i + 1 >= args.size()) throw UsageError(arg + " needs a value");
      values_.emplace_back(arg, args[++i]);
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
}

bool Arguments::Has(std::string_view flag) const {
  return std::find(flagsSeen_.begin(), flagsSeen_.end(), flag) != flagsSeen_.end();
}

std::optional<std::string> Arguments::Value(std::string_view option) const {
  std::optional<std::string> found;
  for (const auto& [name, value] : values_) {
    if (name == option) found = value;
  }
  return found;
}

std::vector<std::string> ReadBatchLines(const std::string& source) {
  std::ifstream file;
  std::istream* in = &std::cin;
  if (source != "-") {
    file.open(source, std::ios::binary);
    if (!file) throw DataFileError(source, "cannot open batch file");
    in = &file;
  }
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(*in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool StdoutIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

}  // namespace lexorin::cli
